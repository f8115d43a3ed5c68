#include "exercises/NumberSpanTest.h"

#include <algorithm>

#include "engine/ItemRow.h"
#include "engine/SequencePool.h"
#include "graphics/Graphics.h"
#include "platform/Files.h"
#include "platform/Platform.h"
#include "profiles/NumberTestResults.h"
#include "profiles/Profile.h"
#include "text/Random.h"
#include "text/TextFile.h"
#include "text/TextIds.h"

namespace {
constexpr float kKeypadX = 271, kKeypadY = 185, kKeyGap = 3;
constexpr uint32_t kQuitBackdrop = 0xFF004184u;
constexpr uint32_t kWhite = 0xFFFFFFFFu;
constexpr uint32_t kResultMs = 6000;
constexpr int kKeyT = 84, kKeyLowerT = 116;
}  // namespace

void NumberTestScore::Score(bool correct) {
    ++trial;
    if (!(direction == 1 && span == 2)) {
        if (!correct)
            ++failures;
        else if (direction == 0)
            ++correctForward;
        else
            ++correctBackward;
    }
    if (trial < 2) return;
    ++span;
    trial = 0;
    if (failures >= 2) {
        if (direction == 0) {
            direction = 1;
            span = 2;
        } else {
            finished = 1;
        }
    } else {
        if (span > 5 && direction == 0) {
            direction = 1;
            span = 2;
        }
        if (span > 6 && direction == 1) finished = 1;
    }
    failures = 0;
}

int NumberTestScore::Level() const {
    const int total = Total();
    return total > 7 ? 3 : total >= 4 ? 2 : 1;
}

std::wstring NumberTestScore::ListPath() const {
    return std::wstring(L"data\\testnumbers\\") + (direction == 1 ? L"bw" : L"fw") + std::to_wstring(span - 1) +
           (trial == 0 ? L"a" : L"b") + L".txt";
}

std::vector<int> ReadNumberList(const std::wstring& path, int span) {
    std::vector<std::wstring> lines;
    std::vector<int> digits;
    if (ReadTextLines(path, lines)) {
        for (const auto& line : lines) {
            const int d = engine::LineNumber(line);
            if (d >= 1 && d <= 9) digits.push_back(d);
        }
    }
    if (digits.empty()) {
        for (int i = 0; i < std::clamp(span, 1, 9); ++i) digits.push_back(RandomInRange(1, 9));
    }
    return digits;
}

int CNumberTest::Init(Graphics* back, Graphics* window, Bitmap* buffer, Profile* p) {
    if (!BeginInit(back, window, buffer, p, L"gfx\\numbertest\\background.png")) return 1;
    span = score.span;
    direction = score.direction;
    // A 3 x 3 keypad, hidden until the trainee's turn (entry 0 stays empty).
    LoadNumberButtons(L"gfx\\numbertest\\", 1, nullptr);
    PlaceKeypad(kKeypadX, kKeypadY, kKeyGap, keypad[1].height + kKeyGap);
    for (auto& key : keypad) key.visible = 0;

    LoadVisualCue(L"numbers", false);
    visualFrame.SetPosition(328, 466);
    visualCue.SetPosition(visualFrame.CentreX() - visualCue.width / 2, visualFrame.y + 10);
    visualFrame.visible = profile->options.o21 ? 1 : 0;
    visualCue.visible = 0;

    const std::wstring speech = L"speech\\" + testOptions.GetLanguage();
    startSound.Open(L"sfx\\start.wav");
    itemCorrectSound.Open(L"sfx\\correct.wav");
    wrongSound.Open(L"sfx\\wrong.wav");
    praiseSound.OpenAll(speech + L"\\rewards\\*.wav");
    praiseSound.Shuffle();
    instructionForward.Open(speech + L"\\numbertest\\instructionf.wav");
    instructionBackward.Open(speech + L"\\numbertest\\instructionr.wav");
    yourTurnSound.Open(speech + L"\\state\\yourturn.wav");
    wrongSpeech.OpenAll(speech + L"\\wrong\\*.wav");
    wrongSpeech.Shuffle();
    numbersSound.OpenAll(speech + L"\\numbers\\*.wav");
    // As in the exercises, the sound option silences the effects; the spoken digits still play.
    for (CSoundGroup* g : {&startSound, &itemCorrectSound, &wrongSound}) g->SetSilent(!profile->options.o0);

    LoadHud();
    SetupStartScan();
    CreateDebugText();
    resultText.LoadImage(L"", back, 0, 0);  // a label only
    resultText.SetFont(18, FontStyleRegular);
    resultText.SetTextColor(kWhite);
    resultText.SetTextPosition(350, 520);
    if (debug) {
        scoreText.LoadImage(L"", back, 0, 0);
        scoreText.SetFont(10, FontStyleRegular);
        scoreText.SetTextColor(kWhite);
        PlaceScoreCaption();
    }
    for (int d = 1; d <= 9; ++d) answerScan.Add(&keypad[static_cast<size_t>(d)]);
    SetupRound();
    guideActive = StartGuide(kNumberTest) ? 1 : 0;
    return 1;
}

void CNumberTest::PlaceScoreCaption() {
    scoreText.SetText(L"Score: " + std::to_wstring(score.Total()));
    scoreText.SetTextPosition(10, 600 - 10 - scoreText.textBox.height);
}

int CNumberTest::SetupRound() {
    if (score.finished) {
        const uint32_t length = endSound.Length(0);
        endSound.Play(0);
        deadline = Now() + length + kResultMs;
        phase = Leaving;
        // The result stands where the visual frame is: white on its white face it could not be read.
        visualFrame.visible = 0;
        visualCue.visible = 0;
        resultText.SetText(Text(text::kYourLevel) + std::to_wstring(score.Level()) + L".");
        // The result is kept with the trainee's files, for the trainer (only for a trainee
        // that exists: a test taken with no trainee in the folder is not kept).
        if (!resultKept && profile && platform::FileExists(profile->FilePath(L".pro")))
            profiles::AppendNumberTest(profile->folder, profile->name,
                                       {profiles::TodayIsoDate(), score.Level(), score.Total()});
        resultKept = true;
        return 1;
    }
    startButton.Play(1, 0, 0, 0, 1);
    phase = WaitStart;
    for (int d = 1; d <= 9; ++d) keypad[static_cast<size_t>(d)].visible = 0;
    span = score.span;
    direction = score.direction;
    sequence = ReadNumberList(score.ListPath(), span);
    stepIndex = 0;
    startScan.Select(0, true);
    visualCue.visible = 0;
    return 1;
}

void CNumberTest::OnRoundCorrect() {
    score.Score(true);
    if (debug) PlaceScoreCaption();
}

void CNumberTest::OnRoundWrong() {
    score.Score(false);
    if (debug) PlaceScoreCaption();
}

void CNumberTest::StepPresenting() {
    if (!SayNextNumber(visualFrame.visible != 0)) return;
    ShowYourTurnCue();
    for (int d = 1; d <= 9; ++d) keypad[static_cast<size_t>(d)].visible = 1;
    FinishPresentation();
    deadline = Now() + yourTurnSound.Length(0);
    ShowMouseCursor(true);
}

int CNumberTest::Update() {
    BeginUpdate();
    engine::UpdateAll(keypad);
    UpdateCursor();
    RunPhaseSteps();
    // The test is left for the login, never for the menu.
    if (nextScreen == kMenu) nextScreen = kLogin;
    return nextScreen;
}

void CNumberTest::Quit() {
    if (!ConfirmQuit()) return;
    if (backGraphics) backGraphics->Clear(kQuitBackdrop);
    nextScreen = kLogin;
}

int CNumberTest::OnMouseDown(unsigned, long lParam) {
    if (!AcceptClick()) return 1;
    const int x = MouseParamX(lParam);
    const int y = MouseParamY(lParam);
    if (stopButton.HitTest(x, y)) {
        Quit();
        return 1;
    }
    if (phase == WaitStart && startButton.HitTest(x, y)) {
        StartTrial();
        return 1;
    }
    AnswerAt(x, y, keypad);
    return 1;
}

int CNumberTest::OnKeyDown(int key, int unused, long lParam) {
    if (PressDigitKey(key, 0, 0)) return 1;
    if (key != kKeyT && key != kKeyLowerT && key != platform::VK_ESCAPE && key != platform::VK_ADD &&
        key != platform::VK_SUBTRACT)
        return CSpokenNumberExercise::OnKeyDown(key, unused, lParam);
    if (!keyLatch.Take()) return 1;
    if (key == platform::VK_ESCAPE) {
        Quit();
    } else if (key == kKeyT || key == kKeyLowerT) {
        // The frame follows the option; the number picture shows only while there is a number.
        profile->options.o21 = profile->options.o21 ? 0 : 1;
        visualFrame.visible = profile->options.o21;
        visualCue.visible = profile->options.o21 && phase != WaitStart && phase != Starting ? 1 : 0;
    } else if (debug) {
        if (key == platform::VK_ADD)
            OnRoundCorrect();
        else
            OnRoundWrong();
        SetupRound();
    }
    return 1;
}

int CNumberTest::Draw() {
    background.Draw();
    if (phase > Presenting)
        for (auto& key : keypad) key.Draw();
    if (phase == WaitStart) {
        stopButton.Draw();
        startButton.Draw();
    }
    visualFrame.Draw();
    visualCue.Draw();
    if (score.finished) resultText.DrawText();
    if (debug && debugPanel) {
        debugText.DrawText();
        scoreText.DrawText();
    }
    Present();
    return 1;
}
