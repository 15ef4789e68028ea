#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "engine/core/RandomSource.hpp"
#include "engine/dialogs/MessageDialogSimpleListener.hpp"
#include "engine/dialogs/NewMessageQuestionDialogListener.hpp"
#include "engine/widgets/TarvikButtonListener.hpp"
#include "game/menus/InGameMenuListener.hpp"
#include "game/scene/HOScene.hpp"
#include "game/scene/controls/RewardWidget.hpp"
#include "game/scene/play/MissPenalty.hpp"
#include "game/story/cutscenes/SceneIntroListener.hpp"
#include "game/story/map/NewMapScreenListener.hpp"

class ConfigFile;
class FlowParameters;
class Font;
class HintButton;
class PlayerProfile;
struct SceneState;
class PortalEffectTransition;
class ScoreNotificationWidget;
class ScoreWidget;
class TarvikButton;
class Texture;
class TimerWidget;

// The hidden-object scene the game plays. Every location has a present
// (100 + n) and a past (200 + n) version. On top of the base scene it scores
// the finds, punishes rapid misses with a pointer spiral, gives hints, runs
// the five-minute challenge with its badges on present scenes, opens the
// time portal for good at the tenth find of a past scene, tells the player
// what was unlocked or completed, keeps the progress in the current profile
// and chooses, by the result code it ends with, the screen that follows.
class ChronaScene : public HOScene,
                    public TarvikButtonListener,
                    public NewMapScreenListener,
                    public RewardWidgetListener,
                    public MessageDialogSimpleListener,
                    public NewMessageQuestionDialogListener,
                    public InGameMenuListener,
                    public SceneIntroListener {
public:
    // The scene's buttons.
    static constexpr int MenuButtonId = 0;
    static constexpr int HintButtonId = 1;
    static constexpr int MapButtonId = 3;
    static constexpr int SkipButtonId = 4;
    // Notifications; the try-again question is answered with 1 to play again.
    enum Notification { PastUnlocked = 0, PastCompleted = 1, PresentUnlocked = 2, PresentCompleted = 3, TryAgain = 4 };
    static constexpr int ConfirmMainMenuDialog = 0;
    // The time challenge is set up this long after the scene has opened.
    static constexpr int ChallengeDelay = 500;
    static constexpr int PieceFadeLength = 1500;
    static constexpr int RuneTypeId = 200;
    static constexpr int MagicItemTypeId = 667;
    static constexpr int ItemsToUnlock = 10;
    static constexpr int ItemsToComplete = 30;
    static constexpr const char* PresentGrab = "SCREEN_GRAB_FOR_PORTALCLOSEEFFECT";
    static constexpr const char* PastGrab = "SCREEN_GRAB_FORPORTALEFFECT";
    static constexpr const char* PieceGrab = "SCREEN_GRAB_FOR_PIECE_UNLOCKED_EFFECT";
    static constexpr const char* PieceTexture = "UNLOCKED_PIECE_TEXTURE";
    static constexpr const char* PiecesFileName = "content/images/LumoraPieces/Pieces.xml";
    static constexpr const char* ConfigPath = "content/config/scene/";
    static constexpr const char* RendererRules = "ItemRendererRules.xml";
    static constexpr const char* GroupRules = "ItemGroupRules.xml";

    ChronaScene(int sceneId, const std::string& configPath, const std::string& itemRendererConf,
                const std::string& mechanicsConf, const std::string& itemGroupConf);
    ~ChronaScene() override;

    // The scene of the flow's "scene" entry (sceneId, the four file names).
    static ChronaScene* fromParameters(const FlowParameters& parameters);
    // A location's scene with the standard rule files.
    static ChronaScene* forScene(int sceneId);
    // Its goals, hints and the pointer's landing place drawn from a source of
    // its own, seeded from the run's seed and the scene id: a reproducible
    // run picks the same goals whatever sounds and particles drew before.
    void drawChoicesFrom(std::uint32_t runSeed);
    // The time-travel scene that is running, or null.
    static ChronaScene* current();

    // Writes this visit's progress into the current profile and the save file.
    void storeProgress();

    void onTarvikButton(int id, int code) override;
    void mapAction(int action, int sceneId) override;
    void rewardEnded(RewardWidget* reward) override;
    void onDialogClosed(int dialogId, int answer) override;
    void onDialogAnswer(int dialogId, int answer) override;
    void inGameMenuClosed(int result) override;
    void sceneIntroEnded() override;

    // Test and tool seams: tuning parameters (the application's when not
    // set) and how the save file is written (the application's settings).
    void setGameParameters(const ConfigFile* parameters) { parameters_ = parameters; }
    void setSaveAction(std::function<void()> save) { save_ = std::move(save); }

    int getAttempt() const { return attempt_; }
    int getSceneScore() const { return sceneScore_; }
    int getTimeLimit() const;
    int getCollectedBefore() const { return collectedBefore_; }
    bool isPresent() const;
    bool hasTimeChallenge() const;
    bool isTimeChallengePaused() const;
    bool isBadgeAwarded() const { return badgeAwarded_; }
    const MissPenalty& getPenalty() const { return penalty_; }
    ScoreWidget* getScoreWidget() const { return scoreWidget_; }
    TimerWidget* getTimer() const { return timer_; }
    HintButton* getHintButton() const { return hintButton_; }
    // The notification or reward on show, or null.
    Widget* getNotice() const { return notice_; }
    // Whether the scene has chosen how it ends.
    bool isEnding() const { return ending_; }
    // This scene's items in the collected group.
    int collectedCount() const;
    // Stops the scene and tells the player (a Notification kind); the
    // scene goes on when the message is closed.
    void showNotification(int kind);
    // Sparkles around one findable goal; false when none is findable.
    bool useHint();

protected:
    void onInitialise() override;
    void createControls() override;
    void onDrawOverlay(Graphics* graphics) override;
    void onSceneUpdate(int milliseconds) override;
    void onItemsFirstLoaded() override;
    void onAfterLoad() override;
    void onItemsChanged(Item* item) override;
    void onItemCollected(Item* item) override;
    void onItemMissed() override;
    void setupGoalRenderer(const MechanicsStep& step) override;
    void onAllStepsDone() override;
    void onStepScreenResult(int result) override;
    void onStarted() override;
    void fillGoals(const MechanicsStep& step) override;

private:
    PlayerProfile* profile() const;
    SceneState* state() const;
    std::string label(const std::string& key) const;
    int parameter(const char* key) const;
    void addPoints(int points);
    // Plays the sound when effects are on; returns its length in ms (0 when not played).
    int playSound(const std::string& name) const;
    void playMusic();

    // Ending checks after a step's last find; false when none applies.
    bool runEndingChecks();
    bool checkBadge();
    bool checkPortal();
    bool checkCompletion();
    void startPieceSequence();
    void prepareUnlockedPiece();
    void setUpTimeChallenge();
    void pauseChallenge(bool paused);
    void timeRanOut();
    void penaltyTick(int milliseconds);

    // Ends the scene with the result; with a grab name the frame is grabbed
    // under that name first (on the next draw).
    void finish(int result, const char* grab = nullptr);
    void leaveNow();
    void usePortalTransition();
    void releaseGrabs();

    std::unique_ptr<SeededRandom> choices_;
    const ConfigFile* parameters_ = nullptr;
    std::function<void()> save_;
    Font* font_ = nullptr;
    Font* captionFont_ = nullptr;
    Font* textFont_ = nullptr;

    MissPenalty penalty_;
    int sceneScore_ = 0;
    int flightsPending_ = 0;
    int attempt_ = 1;
    int timeLimit_;
    int collectedBefore_ = 0;
    bool noTimeChallenge_ = false;
    bool badgeAwarded_ = false;
    bool endingChecksRan_ = false;
    bool locationFlag_ = false;
    bool ending_ = false;
    bool timeUp_ = false;
    int timeUpLeft_ = 0;  // ms of the end sound still to play
    int challengeCountdown_ = -1;
    int chosenScene_ = -1;
    int result_ = 0;
    const char* grab_ = nullptr;
    int grabFrames_ = 0;
    bool pieceFading_ = false;
    int pieceFade_ = 0;
    bool handedGrabOn_ = false;
    PortalEffectTransition* portal_ = nullptr;

    ScoreWidget* scoreWidget_ = nullptr;
    ScoreNotificationWidget* scoreNotice_ = nullptr;
    HintButton* hintButton_ = nullptr;
    TarvikButton* menuButton_ = nullptr;
    TarvikButton* mapButton_ = nullptr;
    TimerWidget* timer_ = nullptr;
    Widget* notice_ = nullptr;
};
