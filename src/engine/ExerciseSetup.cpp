#include "engine/ExerciseSetup.h"

#include "engine/GameBase.h"
#include "profiles/Profile.h"
#include "text/Random.h"

bool CGameBase::BeginInit(Graphics* back, Graphics* window, Bitmap* buffer, Profile* p, const wchar_t* backgroundImage,
                          const wchar_t* seniorBackground) {
    CGameBase::Init(back, window, buffer, p);
    if (!profile) return false;
    SetupAnswerScan();
    background.LoadImage(seniorBackground && profile->options.o3 ? seniorBackground : backgroundImage, back, 1, 0);
    return true;
}

void CGameBase::LoadExerciseSounds(const ExerciseSounds& s) {
    const std::wstring name = s.name;
    introSound.Open(L"sfx\\intro\\" + name + L".wav");
    startSound.Open(L"sfx\\start.wav");
    coinSound.OpenAll(L"sfx\\coin*.wav");
    wrongSound.Open(L"sfx\\wrong.wav");
    if (s.itemShown) {
        const std::wstring shown = s.itemShown;
        if (shown.find(L'*') != std::wstring::npos)
            itemShownSound.OpenAll(shown);
        else
            itemShownSound.Open(shown);
    }
    if (s.itemCorrect) itemCorrectSound.Open(s.itemCorrect);
    coinSound.Shuffle();

    const std::wstring speech = L"speech\\" + (profile ? profile->options.GetLanguage() : std::wstring(L"english"));
    const std::wstring instructions = speech + L"\\" + (s.instructionFolder ? s.instructionFolder : s.name);
    praiseSound.OpenAll(speech + L"\\rewards\\*.wav");
    if (s.shufflePraise) praiseSound.Shuffle();
    if (s.forwardInstruction) instructionForward.Open(instructions + L"\\instructionf.wav");
    if (s.backwardInstruction) instructionBackward.Open(instructions + L"\\instructionr.wav");
    yourTurnSound.Open(speech + L"\\state\\yourturn.wav");
    if (s.numbers) numbersSound.OpenAll(speech + s.numbers);
    wrongSpeech.OpenAll(speech + L"\\wrong\\*.wav");
    wrongSpeech.Shuffle();

    // With the sound option off the effects stay silent all session (the end sound too,
    // whenever it is opened); the spoken words still guide.
    const bool effects = profile && profile->options.o0;
    for (CSoundGroup* g :
         {&introSound, &endSound, &startSound, &coinSound, &itemShownSound, &itemCorrectSound, &wrongSound})
        g->SetSilent(!effects);
    if (effects) introSound.Play(0);
}

int CGameBase::ChooseReward(const std::wstring& exercise, std::initializer_list<RewardChoice> choices) {
    DecideReward();
    if (!rewardDue || choices.size() == 0) {
        endSound.Open(L"sfx\\end\\" + exercise + L".wav");
        return -1;
    }
    const int pick = RandomInRange(0, static_cast<int>(choices.size()) - 1);
    const RewardChoice& c = *(choices.begin() + pick);
    reward.LoadSequence(L"gfx\\" + exercise + L"\\rewards\\" + c.name + L"*.png", backGraphics, 1, c.frameMs);
    reward.SetPosition(800 - reward.width, 600 - reward.height);
    reward.visible = 0;
    endSound.Open(L"sfx\\" + exercise + L"\\rewards\\" + c.name + L".wav");
    return pick;
}

void CGameBase::SetupAnswerScan() {
    answerScan.SetPress(MousePress());
    if (profile && profile->options.o7) answerScan.SetScanTime(profile->options.o19);
}

void CGameBase::FinishInit() {
    LoadHud();
    SetupStartScan();
    CreateDebugText();
    SetupRound();
    guideActive = StartGuide(game) ? 1 : 0;
}

void CGameBase::BeginUpdate() {
    CGameBase::Update();
    if (debugPanel) BuildDebugText();
    startButton.Update();
}

int CGameBase::FinishUpdate() {
    UpdateCues();
    UpdateCursor();
    if (rewardDue) reward.Update();
    RunPhaseSteps();
    return nextScreen;
}

bool CGameBase::HandleCommonPress(int x, int y) {
    if (!AcceptClick()) return true;
    if (profile && profile->options.o2 && stopButton.HitTest(x, y)) {
        if (ConfirmQuit()) nextScreen = kMenu;
        return true;
    }
    if (phase == WaitStart && startButton.HitTest(x, y)) {
        StartTrial();
        return true;
    }
    return false;
}

void CGameBase::HandleHelpPress(int x, int y) {
    if (!help.HitTest(x, y)) return;
    SilenceGuide();
    Instruction().Play(0);
}
