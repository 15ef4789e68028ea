#include "engine/core/Log.hpp"

#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

void Log::applyEnvironment() {
    const char* value = std::getenv("CHRONA_LOG");
    if (!value) {
        return;
    }
    static const struct {
        const char* name;
        Level level;
    } names[] = {{"debug", Debug}, {"info", Info}, {"warning", Warning}, {"error", Error}};
    for (const auto& entry : names) {
        if (std::strcmp(value, entry.name) == 0) {
            threshold_ = entry.level;
        }
    }
}

void Log::write(Level level, const std::string& line) {
    if (!enabled(level)) {
        return;
    }
    if (capture_) {
        capture_(level, line);
        return;
    }
    std::fwrite(line.data(), 1, line.size(), stdout);
    std::fputc('\n', stdout);
    std::fflush(stdout);
}

namespace {
void writeFormatted(Log::Level level, const char* format, va_list arguments) {
    Log& log = Log::instance();
    if (!log.enabled(level)) {
        return;
    }
    va_list copy;
    va_copy(copy, arguments);
    const int length = std::vsnprintf(nullptr, 0, format, copy);
    va_end(copy);
    if (length < 0) {
        return;
    }
    std::vector<char> text(static_cast<size_t>(length) + 1);
    std::vsnprintf(text.data(), text.size(), format, arguments);
    log.write(level, std::string(text.data(), static_cast<size_t>(length)));
}
}  // namespace

#define CHRONA_LOG_SHORTHAND(name, level)      \
    void name(const char* format, ...) {       \
        va_list arguments;                     \
        va_start(arguments, format);           \
        writeFormatted(level, format, arguments); \
        va_end(arguments);                     \
    }

CHRONA_LOG_SHORTHAND(logDebug, Log::Debug)
CHRONA_LOG_SHORTHAND(logInfo, Log::Info)
CHRONA_LOG_SHORTHAND(logWarning, Log::Warning)
CHRONA_LOG_SHORTHAND(logError, Log::Error)
