#pragma once
// CGameBase: the base of every screen and exercise. This header holds the contract the
// frame relies on; the machinery the exercises share (phases, scoring, scanning) is added
// in the engine files beside it.
#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "base/ScreenId.h"
#include "engine/Difficulty.h"
#include "engine/ExercisePhase.h"
#include "engine/ExerciseSetup.h"
#include "engine/ScanList.h"
#include "engine/SequencePool.h"
#include "graphics/Sprite.h"
#include "sound/SoundGroup.h"
#include "sound/SpokenGuide.h"
#include "ui/KeyLatch.h"
#include "ui/Notice.h"

class Graphics;
class Bitmap;
class Profile;

// Mouse messages carry the canvas point as two signed 16-bit halves: x low, y high.
inline long MakeMouseParam(int x, int y) {
    return static_cast<long>(static_cast<uint32_t>(static_cast<uint16_t>(x)) |
                             (static_cast<uint32_t>(static_cast<uint16_t>(y)) << 16));
}
inline int MouseParamX(long lParam) { return static_cast<int16_t>(static_cast<uint32_t>(lParam) & 0xFFFF); }
inline int MouseParamY(long lParam) { return static_cast<int16_t>((static_cast<uint32_t>(lParam) >> 16) & 0xFFFF); }

struct CursorPoint {
    int x = 0;
    int y = 0;
};

class CGameBase {
public:
    CGameBase();
    virtual ~CGameBase();
    CGameBase(const CGameBase&) = delete;
    CGameBase& operator=(const CGameBase&) = delete;

    // Virtual operations, in their fixed order.
    virtual int Init(Graphics* backGraphics, Graphics* windowGraphics, Bitmap* backBuffer, Profile* profile);
    virtual int Update();
    virtual void UpdateCursor();
    virtual int Draw() = 0;
    virtual int OnMouseDown(unsigned wParam, long lParam);
    virtual int OnMouseUp(unsigned wParam, long lParam);
    virtual int OnMouseMove(unsigned wParam, long lParam);
    virtual int OnKeyDown(int virtualKey, int unused, long lParam);
    virtual int OnKeyUp(int virtualKey, int unused, long lParam);
    virtual int SetupRound() = 0;
    virtual void OnRoundCorrect() = 0;
    virtual void OnRoundWrong() = 0;

    // The scanned item's highlight: a yellow band edged in black, wider with the extra frame.
    static constexpr float kScanBand = 6;
    static constexpr float kScanBandLarge = 12;
    static constexpr uint32_t kScanColour = 0xFFFFD400u;
    static constexpr uint32_t kScanEdge = 0xFF000000u;

    // Shows or hides the pointer, driving the display count past 0 either way.
    void ShowMouseCursor(bool show);

    int NextScreen() const { return nextScreen; }
    // The frame's debug word, handed to each screen after it is built.
    void SetDebug(int on) { debug = on; }

    // Exercise state, read by tests and tools.
    ExercisePhase Phase() const { return phase; }
    int Round() const { return round; }
    int RoundCount() const { return roundCount; }
    int Span() const { return span; }
    int Direction() const { return direction; }
    int SessionCoins() const { return sessionCoins; }
    unsigned StepIndex() const { return stepIndex; }
    int RewardIsDue() const { return rewardDue; }
    const std::vector<int>& Sequence() const { return sequence; }
    const ScanList& AnswerScan() const { return answerScan; }
    // The outcome of a print whose screen was left before it was known, shown now; empty
    // while none is.
    std::wstring LateOutcome() const { return lateOutcome.Shown(); }
    const ScanList& StartScan() const { return startScan; }
    const CSprite& StartButton() const { return startButton; }
    const CSprite& StopButton() const { return stopButton; }
    const CSprite& HelpButton() const { return help; }
    const CSprite& ShowCorrectMarker() const { return showCorrect; }
    const CSprite& ExtraMarker() const { return extraMarker; }
    const CSprite& BagOpen() const { return bagOpen; }
    const CSprite& BagMoney() const { return bagMoney; }
    const CSprite& RewardSprite() const { return reward; }
    const CSprite& RoundLamps() const { return roundLamps; }
    const CSprite& DirectionArrow() const { return directionArrow; }
    const CSprite& VisualFrame() const { return visualFrame; }
    const CSprite& VisualCue() const { return visualCue; }
    int DebugPanel() const { return debugPanel; }
    const std::wstring& DebugLine() const { return debugLine; }
    const SequencePool& Pool(int poolSpan) const;
    // The sprite that stands for item (as the sequence names it), for tests and tools that
    // answer like a trainee; null when the item has none.
    const CSprite* AnswerItem(int item) { return ItemSprite(item); }

protected:
    // A key once the latch let it through (OnKeyDown): by default the exercises' handling,
    // ActOnKey.
    virtual void OnKey(int virtualKey) { ActOnKey(virtualKey); }
    // The exercises' handling of a key: switch keys, Escape and the debug keys.
    void ActOnKey(int virtualKey);
    // Presents the finished back buffer on the window, with the scanned item highlighted.
    void Present();
    // The thick frame around the switch list's current entry. Present draws it last, unless
    // the screen drew it earlier in the frame (under its hover labels).
    void DrawScanHighlight();
    // A left mouse press on this screen at a canvas point: what a switch selection does.
    ScanList::PressAt MousePress();

    // The exercise machinery shared by the nine exercises (src/engine/).

    // Init's shared steps: the sound groups by role (and the intro, with sound on); the
    // reward choice (DecideReward, then one of the choices uniformly, placed bottom right and
    // hidden, with its sound as the end sound; else "sfx\end\" + exercise + ".wav"; returns
    // the chosen index or -1); the switch list's window and scan time; and the closing steps
    // (HUD, start scan, debug text, the first round, the spoken guide).
    void LoadExerciseSounds(const ExerciseSounds& sounds);
    // Init's first steps: the drawing targets and the profile, the switch list's window and
    // scan time, and the scene's background (the senior one, when given, in the senior
    // layout); false without a profile (nothing to train).
    bool BeginInit(Graphics* back, Graphics* window, Bitmap* buffer, Profile* p, const wchar_t* backgroundImage,
                   const wchar_t* seniorBackground = nullptr);
    int ChooseReward(const std::wstring& exercise, std::initializer_list<RewardChoice> choices);
    void SetupAnswerScan();
    void FinishInit();
    // Update's shared steps around the exercise's own sprites: first the base update, the
    // debug text and the start button; last the cues, the cursor, the reward and the phase
    // steps (returns nextScreen).
    void BeginUpdate();
    int FinishUpdate();
    // The presses every exercise handles first (the press gate, the stop button, the start
    // button in WaitStart): true when the press was used up. The help button comes last.
    bool HandleCommonPress(int x, int y);
    void HandleHelpPress(int x, int y);
    // Whether a press may answer with this item: a switch's press answers with the entry it
    // was made for alone, however other items overlap it; the mouse's with any item under it.
    bool PressMeant(const CSprite& item) const {
        const CSprite* chosen = answerScan.Pressing();
        return !chosen || chosen == &item;
    }

    // Presses are accepted at most every 400 ms.
    bool AcceptClick();
    // The trainee starts a trial: start sound, then Starting.
    void StartTrial();
    // The phase steps, in their fixed order (1, 2, 3, 7, 4, 5, 6, 8, 9): a step that moves to
    // a later phase is followed by that phase's step in the same call.
    void RunPhaseSteps();
    void StepStarting();
    // The presentation: the default shows sequence[stepIndex] with ShowItem and the item
    // sound every 1.5 s (1.8 s after the last), then hands over with FinishPresentation.
    virtual void StepPresenting();
    // How an item is shown during the presentation.
    virtual void ShowItem(int item);
    // After the last item: the order reversed when backward, the your-turn prompt (and the
    // visual cue's your-turn picture), 40 s to answer.
    void FinishPresentation();
    void StepAnswering();
    void StepWrong();
    void StepCorrect();
    void StepPraise();
    void StepPayout();
    void StepNextRound();
    void StepLeaving();
    void UpdateCues();
    // The answer check for one chosen item in Answering: true when it was the expected one.
    // A wrong item fails the trial and centres the show-correct marker on the expected one
    // (ItemSprite tells where that is).
    bool CheckAnswer(int item);
    virtual CSprite* ItemSprite(int item);
    // The common start of SetupRound: helper stopped, round + 1; false once the session is
    // over (then Payout is under way). Otherwise the start button blinks and the phase is
    // WaitStart; the exercise lays out the round, refills answerScan and sets stepIndex 0.
    // A due reward holds the end for rewardHoldMs more before the bag.
    bool BeginRound(uint32_t rewardHoldMs = 2000);
    // The choice of this round's places for the current span: the pool is read again when
    // the span changed, shuffled, and its first candidate that fits the layout taken.
    std::vector<int> ChoosePlaces(const std::wstring& folder, const std::wstring& listName, int places);

    // Scoring and difficulty.
    void RecordCorrectItem();
    bool ConfirmQuit();
    void DecideReward();
    bool LoadSequencePool(int poolSpan, const std::wstring& folder, const std::wstring& listName);
    // Starting values of a session from the profile (span, direction, rounds, streaks).
    void StartSession(int maxSpan);
    // The rules after a solved and after a failed sequence (statistics counted for the
    // failure); exercises call these from OnRoundCorrect and OnRoundWrong.
    engine::SuccessResult ApplySuccessRule();
    void ApplyFailureRule();
    // The results written back when an exercise is left, however that happens.
    void WriteBack();

    // The display around the exercise's scene.
    void LoadHud();
    void LoadVisualCue(const std::wstring& name, bool framed);
    void DrawHud(int screenId);
    void CreateDebugText();
    void BuildDebugText();
    // The base part of UpdateCursor: reads the pointer, parks the extra marker and gives
    // feedback on the start, stop and help buttons. Exercises add their items, then ApplyCursor.
    void PointerFeedback();
    // Pointer feedback on something clickable: hand cursor and the extra marker centred on the pointer.
    void HoverFeedback();
    // The arrow, or the hand when this pass's feedback found something to click.
    void ApplyCursor();
    void SetupStartScan();
    bool StartGuide(int screenId);
    // Stops the spoken guide for the rest of the screen (a trial started, help asked for).
    void SilenceGuide();
    // The language text n of the active profile.
    std::wstring Text(uint32_t n) const;
    // A Yes/No question: language text n under the program's title (text 0), in the
    // profile's question style; No is the default answer.
    bool Ask(uint32_t n) const;
    // Whether the millisecond clock has passed t, on the wrapping clock.
    static bool Passed(uint32_t t);
    static uint32_t Now();

    int game = 0;
    ExercisePhase phase = WaitStart;
    unsigned stepIndex = 0;
    int sessionCoins = 0;
    int round = 0;
    int roundCount = 0;
    int span = 0;
    int correctStreak = 0;
    int wrongStreak = 0;
    int neededCorrect = 0;
    int visibleCount = 0;
    int direction = 0;
    int lastAnnounced = -1;
    uint32_t deadline = 0;
    uint32_t answerDeadline = 0;
    uint32_t cueEnd = 0;
    uint32_t clickGate = 0;
    int rewardDue = 0;
    int guideActive = 0;
    int debugPanel = 0;
    std::vector<int> sequence;
    std::array<SequencePool, engine::kMaxPoolSpan> pools;
    ScanList answerScan;
    ScanList startScan;
    std::unique_ptr<CSpokenGuide> guide;
    std::wstring debugLine;
    // The debug line's frame rate: passes counted since rateStart (-1: not counting yet).
    uint32_t rateStart = 0;
    int rateFrames = -1;
    float frameRate = 0;
    bool cursorHand = false;  // this pass's pointer feedback found something to click

    // Sound groups (each exercise's Init loads its files).
    CSoundGroup introSound;
    CSoundGroup endSound;
    CSoundGroup startSound;
    CSoundGroup coinSound;
    CSoundGroup itemShownSound;
    CSoundGroup numbersSound;
    CSoundGroup itemCorrectSound;
    CSoundGroup wrongSound;
    CSoundGroup praiseSound;
    CSoundGroup instructionForward;
    CSoundGroup instructionBackward;
    CSoundGroup yourTurnSound;
    CSoundGroup wrongSpeech;
    CSoundGroup& Instruction() { return direction == 1 ? instructionBackward : instructionForward; }

    // Sprites of the display.
    CSprite background;
    CSprite stopButton;
    CSprite border;
    CSprite coinBar;
    CSprite coin;
    CSprite coinBarCover;
    CSprite bagOpen;
    CSprite bagMoney;
    CSprite roundLamps;
    CSprite directionArrow;
    CSprite help;
    CSprite startButton;
    CSprite showCorrect;
    CSprite extraMarker;
    CSprite reward;
    CSprite visualFrame;
    CSprite visualCue;
    CSprite debugText;

    Graphics* backGraphics = nullptr;    // not owned
    Graphics* windowGraphics = nullptr;  // not owned
    Bitmap* backBuffer = nullptr;        // not owned
    Profile* profile = nullptr;          // not owned
    CursorPoint mousePos;
    int nextScreen = kStayOnScreen;
    ui::KeyLatch keyLatch;
    int debug = 0;
    // False on the screens before a trainee is chosen (login, new trainee): they keep to the
    // default options rather than the last trainee's.
    bool traineeOptions = true;
    bool scanHighlightDrawn = false;  // in the frame being drawn
    ui::Notice lateOutcome;
    bool lateOutcomeReady = false;
};

// Screens that are not exercises: no rounds. Their input arrives as a press or a pointer
// move at a canvas point and as a key once per press; the switch keys drive the screen's
// switch-access list (Space steps, Enter presses), and Escape leads to escapeScreen.
class CPlainScreen : public CGameBase {
public:
    int Update() override;
    int SetupRound() override { return 1; }
    void OnRoundCorrect() override {}
    void OnRoundWrong() override {}
    int OnMouseDown(unsigned wParam, long lParam) override;
    int OnMouseMove(unsigned wParam, long lParam) override;

protected:
    virtual void Press(int, int) {}
    // The screen marks what lies under the pointer and shapes it (ui::PointerShape).
    virtual void Hover(int, int) {}
    void OnKey(int virtualKey) override;
    // The switch-access list starts empty, presses this screen, and with one contact steps
    // by itself every scan time of the trainee.
    void BeginScan();

    int escapeScreen = kStayOnScreen;  // where Escape leads (kStayOnScreen: nowhere)
};
