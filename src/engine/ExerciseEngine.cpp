// The exercise side of CGameBase: the timed phases of a trial, the answer check, the keys,
// quitting, the round set-up frame, the end of the session and the write-back.
#include <algorithm>

#include "engine/GameBase.h"
#include "platform/Platform.h"
#include "profiles/Profile.h"
#include "text/Random.h"
#include "text/TextIds.h"

namespace {
constexpr uint32_t kClickGateMs = 400;
constexpr unsigned kLeftButton = 0x0001;
constexpr int kKeyI = 73;

bool IsExercise(int id) { return id >= kCans && id <= kZoo; }
}  // namespace

uint32_t CGameBase::Now() { return platform::TimeGetTime(); }

bool CGameBase::Passed(uint32_t t) { return static_cast<int32_t>(Now() - t) > 0; }

std::wstring CGameBase::Text(uint32_t n) const { return profile ? profile->options.GetText(n) : std::wstring(); }

bool CGameBase::Ask(uint32_t n) const {
    if (!profile) return platform::Os().AskYesNo(Text(text::kProgramName), Text(n));
    return platform::Os().AskYesNo(Text(text::kProgramName), Text(n), profile->options.Question());
}

const SequencePool& CGameBase::Pool(int poolSpan) const {
    static const SequencePool none;
    if (poolSpan < engine::kMinPoolSpan || poolSpan > engine::kMaxPoolSpan) return none;
    return pools[static_cast<size_t>(poolSpan - 1)];
}

int CGameBase::Update() {
    // Only the list that can act in this phase steps by itself.
    if (IsExercise(game)) {
        if (phase == WaitStart)
            startScan.Tick();
        else if (phase == Answering)
            answerScan.Tick();
    } else {
        answerScan.Tick();
    }
    if (guide) guide->Tick();
    return nextScreen;
}

bool CGameBase::AcceptClick() {
    const uint32_t now = Now();
    if (static_cast<int32_t>(now - clickGate) < 0) return false;
    clickGate = now + kClickGateMs;
    return true;
}

void CGameBase::StartTrial() {
    introSound.Stop();
    Instruction().Stop();
    SilenceGuide();
    startSound.Play(0);
    deadline = Now() + 1000;
    phase = Starting;
}

void CGameBase::RunPhaseSteps() {
    if (phase == Starting) StepStarting();
    if (phase == Presenting) StepPresenting();
    if (phase == Answering) StepAnswering();
    if (phase == Wrong) StepWrong();
    if (phase == Correct) StepCorrect();
    if (phase == Praise) StepPraise();
    if (phase == Payout) StepPayout();
    if (phase == NextRound) StepNextRound();
    if (phase == Leaving) StepLeaving();
}

void CGameBase::StepStarting() {
    if (!Passed(deadline)) return;
    const uint32_t now = Now();
    if (direction != lastAnnounced) {
        lastAnnounced = direction;
        CSoundGroup& instruction = Instruction();
        const uint32_t length = instruction.Length(0);
        cueEnd = now + length;
        help.Play(1, 0, 0, 0, 1);
        instruction.Play(0);
        deadline = now + length + 2000;
    } else {
        deadline = now + 500;
    }
    phase = Presenting;
}

void CGameBase::ShowItem(int) {}

void CGameBase::StepPresenting() {
    if (!Passed(deadline)) return;
    if (stepIndex < sequence.size()) {
        ShowItem(sequence[stepIndex]);
        itemShownSound.Play(0);
        ++stepIndex;
        deadline = Now() + (stepIndex < sequence.size() ? 1500 : 1800);
        return;
    }
    FinishPresentation();
}

void CGameBase::FinishPresentation() {
    const uint32_t now = Now();
    if (direction == 1) std::reverse(sequence.begin(), sequence.end());
    // The visual cue, where there is one, turns from the last item to the your-turn picture.
    if (visualCue.FrameCount() >= 3) visualCue.SetFrame(visualCue.FrameCount() - 3);
    cueEnd = now + yourTurnSound.Length(0);
    answerDeadline = now + engine::AnswerTimeMs(answerScan.Interval(), answerScan.Count(), sequence.size());
    help.Play(1, 0, 0, 0, 1);
    yourTurnSound.Play(0);
    stepIndex = 0;
    phase = Answering;
}

void CGameBase::StepAnswering() {
    if (profile && profile->options.o21 && visualCue.FrameCount() >= 3) {
        // While the your-turn prompt lasts the cue keeps animating; then it points the way.
        if (Passed(cueEnd)) {
            const int frames = visualCue.FrameCount();
            const int arrow = direction == 1 ? frames - 1 : frames - 2;
            if (visualCue.GetFrame() != arrow) visualCue.SetFrame(arrow);
        }
        visualCue.Update();
    }
    if (Passed(answerDeadline)) {
        OnRoundWrong();
        const uint32_t length = wrongSound.Length(0);
        wrongSound.Play(0);
        deadline = Now() + length + 1000;
        phase = Wrong;
    }
}

void CGameBase::StepWrong() {
    if (!Passed(deadline)) return;
    if (round < roundCount) {
        const uint32_t now = Now();
        const uint32_t length = wrongSpeech.NextLength();
        deadline = now + length + 2000;
        cueEnd = now + length;
        help.Play(1, 0, 0, 0, 1);
        wrongSpeech.PlayNext();
    }
    phase = NextRound;
}

void CGameBase::StepCorrect() {
    if (!Passed(deadline)) return;
    const uint32_t now = Now();
    const uint32_t length = praiseSound.NextLength();
    cueEnd = now + length;
    deadline = now + length + 500;
    help.Play(1, 0, 0, 0, 1);
    praiseSound.PlayNext();
    phase = Praise;
}

void CGameBase::StepPraise() {
    if (!Passed(deadline)) return;
    deadline = Now() + coinSound.NextLength() + 1000;
    coinSound.PlayNext();
    ++sessionCoins;
    phase = NextRound;
}

void CGameBase::StepPayout() {
    bagOpen.Update();
    bagMoney.Update();
    if (!Passed(deadline) || bagOpen.visible || bagMoney.visible) return;
    if (sessionCoins > 0) {
        --sessionCoins;
        if (profile && profile->coins < INT32_MAX) ++profile->coins;
        // Each coin runs the whole drop from its first frame.
        bagMoney.SetFrame(0);
        bagMoney.Play(0, 1, 0, 0, 1);
        coinSound.PlayNext();
        return;
    }
    bagOpen.SetFrame(0);
    bagOpen.visible = 1;
    bagMoney.visible = 0;
    deadline = Now() + 2000;
    phase = Leaving;
}

void CGameBase::StepNextRound() {
    if (!Passed(deadline)) return;
    SetupRound();
}

void CGameBase::StepLeaving() {
    if (!Passed(deadline)) return;
    nextScreen = kMenu;
}

void CGameBase::UpdateCues() {
    if (!Passed(cueEnd) && Now() != cueEnd) {
        help.Update();
    } else if (!help.IsAnimationStopped() || help.GetFrame() != 0) {
        help.StopAnimation();
        help.SetFrame(0);
    }
    showCorrect.Update();
}

CSprite* CGameBase::ItemSprite(int) { return nullptr; }

bool CGameBase::CheckAnswer(int item) {
    if (phase != Answering || stepIndex >= sequence.size()) return false;
    const uint32_t now = Now();
    if (item == sequence[stepIndex]) {
        itemCorrectSound.Play(0);
        RecordCorrectItem();
        ++stepIndex;
        if (stepIndex >= sequence.size()) {
            OnRoundCorrect();
            phase = Correct;
            deadline = now + 2000;
        }
        return true;
    }
    OnRoundWrong();
    wrongSound.Play(0);
    if (const CSprite* expected = ItemSprite(sequence[stepIndex])) {
        showCorrect.SetPosition(expected->CentreX() - showCorrect.width / 2,
                                expected->CentreY() - showCorrect.height / 2);
    }
    phase = Wrong;
    deadline = now + 2000;
    return false;
}

bool CGameBase::BeginRound(uint32_t rewardHoldMs) {
    help.StopAnimation();
    help.SetFrame(0);
    ++round;
    if (round > roundCount) {
        const uint32_t length = endSound.Length(0);
        deadline = Now() + length + 1000;
        endSound.Play(0);
        phase = Payout;
        if (rewardDue) {
            help.visible = 0;
            reward.SetFrame(0);
            reward.Play(0, 1, 0, 0, 1);
            deadline += rewardHoldMs;
        }
        return false;
    }
    startButton.Play(1, 0, 0, 0, 1);
    phase = WaitStart;
    return true;
}

std::vector<int> CGameBase::ChoosePlaces(const std::wstring& folder, const std::wstring& listName, int places) {
    // The pool read earlier serves while the span stays; a changed span reads its file.
    if (sequence.size() != static_cast<size_t>(span)) LoadSequencePool(span, folder, listName);
    static SequencePool none;
    SequencePool& pool =
        span >= engine::kMinPoolSpan && span <= engine::kMaxPoolSpan ? pools[static_cast<size_t>(span - 1)] : none;
    return engine::ChooseCandidate(pool, span, places);
}

bool CGameBase::LoadSequencePool(int poolSpan, const std::wstring& folder, const std::wstring& listName) {
    if (poolSpan < engine::kMinPoolSpan || poolSpan > engine::kMaxPoolSpan) return false;
    return engine::ReadSequencePool(engine::SequencePoolPath(folder, poolSpan, listName), poolSpan,
                                    pools[static_cast<size_t>(poolSpan - 1)]);
}

void CGameBase::RecordCorrectItem() {
    if (!profile || game < 0 || game >= Profile::kExercises) return;
    profile->stats.CountItem(profile->dayProgress[static_cast<size_t>(game)], game, span, direction == 1);
}

bool CGameBase::ConfirmQuit() {
    if (phase > WaitStart) return false;
    return Ask(text::kQuitExercise);
}

void CGameBase::DecideReward() {
    if (!profile) {
        rewardDue = 0;
        return;
    }
    const int draw = RandomInRange(0, 100);
    rewardDue = engine::RewardDue(profile->CompletedDays(), profile->options.o5 != 0, draw) ? 1 : 0;
}

void CGameBase::StartSession(int maxSpan) {
    if (!profile || game < 0 || game >= Profile::kExercises) return;
    const size_t g = static_cast<size_t>(game);
    engine::Adaptation a;
    a.visibleCount = visibleCount;
    int saved = profile->span[g];
    engine::StartSession(a, saved, profile->direction[g], profile->level, maxSpan);
    profile->span[g] = saved;
    span = a.span;
    direction = a.direction == 1 ? 1 : 0;
    neededCorrect = a.neededCorrect;
    correctStreak = 0;
    wrongStreak = 0;
    roundCount = profile->roundsPerDay;
}

engine::SuccessResult CGameBase::ApplySuccessRule() {
    engine::Adaptation a{span, direction, correctStreak, wrongStreak, neededCorrect, visibleCount};
    const engine::SuccessResult result = engine::OnSuccess(a, game, profile ? profile->level : std::wstring(L"1"));
    span = a.span;
    direction = a.direction;
    correctStreak = a.correctStreak;
    wrongStreak = a.wrongStreak;
    neededCorrect = a.neededCorrect;
    visibleCount = a.visibleCount;
    directionArrow.SetFrame(direction);
    return result;
}

void CGameBase::ApplyFailureRule() {
    if (profile && game >= 0 && game < Profile::kExercises)
        profile->stats.CountError(profile->dayProgress[static_cast<size_t>(game)], game, span, direction == 1);
    engine::Adaptation a{span, direction, correctStreak, wrongStreak, neededCorrect, visibleCount};
    engine::OnFailure(a, profile ? profile->level : std::wstring(L"1"));
    span = a.span;
    correctStreak = a.correctStreak;
    wrongStreak = a.wrongStreak;
    neededCorrect = a.neededCorrect;
}

void CGameBase::WriteBack() {
    if (!profile) return;
    platform::Os().SetCursor(platform::CursorShape::Wait);
    // Results that did not reach the disk are not counted; the trainee is told.
    if (!profile->FinishExercise(game, span, direction))
        platform::Os().ShowError(profile->options.GetText(text::kProgramName),
                                 profile->options.GetText(text::kResultsNotSaved));
}

void CGameBase::SetupStartScan() {
    startScan.SetPress(MousePress());
    startScan.Clear();
    startScan.Add(&startButton);
    if (profile && profile->options.o2) startScan.Add(&stopButton);
    if (profile && profile->options.o7) startScan.SetScanTime(profile->options.o19);
}

void CGameBase::SilenceGuide() {
    // Once the trainee has started or asked for help, the guide says nothing more on this
    // screen: the prompt playing stops and no later one follows.
    if (guideActive && guide) guide->StopAndClose();
}

bool CGameBase::StartGuide(int screenId) {
    if (!profile || screenId < 0 || screenId >= 19) return false;
    if (profile->name != Text(text::kGuideName)) return false;
    guide = std::make_unique<CSpokenGuide>();
    int32_t& counter = profile->speechCounters[static_cast<size_t>(screenId)];
    guide->LoadVariant(screenId, profile->options.GetLanguage(), counter);
    ++counter;
    return true;
}

void CGameBase::ActOnKey(int key) {
    switch (key) {
        case platform::VK_RETURN:
            if (phase != WaitStart) {
                answerScan.Press();
            } else if (stopButton.hovered) {
                startScan.Press();
            } else {
                OnMouseDown(kLeftButton,
                            MakeMouseParam(static_cast<int>(startButton.x) + 1, static_cast<int>(startButton.y) + 1));
            }
            return;
        case platform::VK_ESCAPE:
            if (ConfirmQuit()) nextScreen = kMenu;
            return;
        case platform::VK_SPACE:
            if (phase == Answering)
                answerScan.Step();
            else if (phase == WaitStart)
                startScan.Step();
            return;
        case platform::VK_F1:
            OnMouseDown(kLeftButton, MakeMouseParam(static_cast<int>(help.x) + 1, static_cast<int>(help.y) + 1));
            return;
        default: break;
    }
    if (!debug) return;
    switch (key) {
        case platform::VK_LEFT: round = std::max(round - 1, 0); break;
        case platform::VK_RIGHT: round = std::min(round + 1, roundCount); break;
        case kKeyI: debugPanel = !debugPanel; break;
        case platform::VK_ADD:
            itemCorrectSound.Play(0);
            RecordCorrectItem();
            ++stepIndex;
            if (stepIndex >= sequence.size() || game == kTheCircle) {
                OnRoundCorrect();
                ++sessionCoins;
                SetupRound();
            }
            break;
        case platform::VK_SUBTRACT:
            OnRoundWrong();
            SetupRound();
            break;
        default: break;
    }
}
