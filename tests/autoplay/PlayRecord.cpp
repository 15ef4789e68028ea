#include "PlayRecord.hpp"

void PlayRecord::print(std::ostream& out) const {
    out << "screens:";
    for (const auto& [name, count] : screens) {
        out << " " << name << "=" << count;
    }
    out << "\nscenes finished: " << scenesFinished << "\nbadges:";
    for (const char* kind : {"gold", "silver", "bronze"}) {
        const auto found = badges.find(kind);
        out << " " << kind << "=" << (found == badges.end() ? 0 : found->second);
    }
    out << "\npieces: " << pieces << "\nminigames: solved=" << minigamesSolved << " skipped=" << minigamesSkipped << "\nminigame frames:";
    for (const auto& [name, frames] : minigameFrames) {
        out << " " << name << "=" << frames;
    }
    out << "\nmost turns of one memory card: " << cardTurnsMost << ", gallery shots missed: " << shotsMissed
        << "\ngoals clicked: " << goalsClicked << ", misses: " << misses << ", penalties: " << penalties
        << ", hints: " << hints << ", time challenges run out: " << timeOuts << ", quits through the menu: "
        << menuQuits << ", dialogues skipped: " << dialoguesSkipped << "\nfinal score: " << score
        << "\ngame time: " << frames * frameMs / 1000 << " s (" << frames << " frames)\n"
        << "reached: " << (progressSeen ? "the progress screen" : "not the progress screen")
        << (creditsSeen ? " and the credits" : "") << "\n";
}
