#pragma once

// Gives the identifier that opens every save file; the file store writes it in
// front of the entries and refuses a file that does not start with it.
// Implemented by the application object.
class SaveGameIdSource {
public:
    virtual ~SaveGameIdSource() = default;
    virtual const char* saveGameId() const = 0;
};
