#pragma once

#include <map>
#include <string>
#include <utility>

// The attributes of one flow entry, or the parameters a caller hands to a
// screen creator, read with the flow's rules: an absent text is empty, a
// number is the leading decimal integer of its text (0 when there is none),
// a flag is set only by the exact text "1".
class FlowParameters {
public:
    FlowParameters() = default;
    explicit FlowParameters(std::map<std::string, std::string> values) : values_(std::move(values)) {}
    void set(const std::string& name, const std::string& value) { values_[name] = value; }
    void set(const std::string& name, int value) { values_[name] = std::to_string(value); }
    bool has(const std::string& name) const { return values_.count(name) != 0; }

    std::string text(const std::string& name, const std::string& absent = "") const;
    int number(const std::string& name, int absent) const;
    bool flag(const std::string& name) const;

    const std::map<std::string, std::string>& values() const { return values_; }

private:
    std::map<std::string, std::string> values_;
};
