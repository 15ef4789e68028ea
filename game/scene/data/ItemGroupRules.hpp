#pragma once

#include <map>
#include <string>

// Which group an item of a scene starts in: one table per item type (0 and
// 1) from typeId to group number. Items of other types, and kinds no rule
// names, get no group (-1).
class ItemGroupRules {
public:
    // Reads the rules file; a missing or broken file leaves the tables empty
    // and says so in one line. A later rule for the same type and typeId wins.
    bool load(const std::string& path);
    int groupFor(int type, int typeId) const;

private:
    std::map<int, int> tables_[2];
};
