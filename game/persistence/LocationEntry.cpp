#include "game/persistence/LocationEntry.hpp"

#include "engine/persistence/Buffer.hpp"

LocationEntry::LocationEntry(int locationNumber) : location(locationNumber) {
    present.sceneId = 100 + locationNumber;
    past.sceneId = 200 + locationNumber;
}

void LocationEntry::write(Buffer& out) const {
    out.writeInt32(location);
    present.write(out);
    past.write(out);
    out.writeBool(firstFlag);
    out.writeBool(secondFlag);
    out.writeBool(thirdFlag);
}

void LocationEntry::read(Buffer& in) {
    location = in.readInt32();
    present.read(in);
    past.read(in);
    firstFlag = in.readBool();
    secondFlag = in.readBool();
    thirdFlag = in.readBool();
}
