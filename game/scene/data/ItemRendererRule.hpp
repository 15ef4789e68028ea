#pragma once

// The three facts of an item that pick its renderer; -1 on either side of a
// comparison matches anything.
struct ItemRendererFactoryInput {
    int groupId = -1;
    int typeId = -1;
    int type = -1;

    bool matches(const ItemRendererFactoryInput& query) const {
        return same(groupId, query.groupId) && same(typeId, query.typeId) && same(type, query.type);
    }

private:
    static bool same(int a, int b) { return a == b || a == -1 || b == -1; }
};

// One line of a scene's renderer rules: items matching input get the renderer id.
struct ItemRendererRule {
    ItemRendererFactoryInput input;
    int renderer = -1;
    int line = 0;  // of the Rule element in its file
};
