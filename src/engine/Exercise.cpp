#include "engine/Exercise.h"

#include "engine/ItemRow.h"

CExercise::CExercise(int screenId, Results r) : results(r) { game = screenId; }

CExercise::~CExercise() {
    if (results == Results::WrittenBack) WriteBack();
}

int CExercise::Update() {
    BeginUpdate();
    UpdateScene();
    return FinishUpdate();
}

void CExercise::UpdateScene() { engine::UpdateAll(Items()); }

void CExercise::UpdateCursor() { ItemCursor(Items()); }

int CExercise::Draw() {
    background.Draw();
    DrawScene();
    DrawHud(game);
    Present();
    return 1;
}

void CExercise::DrawScene() { engine::DrawAll(Items()); }

int CExercise::OnMouseDown(unsigned, long lParam) { return PressOnItems(lParam, Items()); }

void CExercise::OnItemPicked(int item) {
    if (CSprite* s = ItemSprite(item)) engine::LightOnce(*s);
}

void CExercise::ShowItem(int item) {
    if (CSprite* s = ItemSprite(item)) engine::LightOnce(*s);
}

CSprite* CExercise::ItemSprite(int item) { return engine::ItemOf(Items(), item); }

void CExercise::OnRoundCorrect() { ApplySuccessRule(); }

void CExercise::OnRoundWrong() { ApplyFailureRule(); }

void CExercise::ItemCursor(std::span<const CSprite> items) {
    PointerFeedback();
    if (engine::ShownUnder(items, mousePos.x, mousePos.y) >= 0) HoverFeedback();
    ApplyCursor();
}

int CExercise::PressOnItems(long lParam, std::span<CSprite> items) {
    const int x = MouseParamX(lParam);
    const int y = MouseParamY(lParam);
    if (HandleCommonPress(x, y)) return 1;
    AnswerAt(x, y, items);
    HandleHelpPress(x, y);
    return 1;
}

void CExercise::AnswerAt(int x, int y, std::span<CSprite> items) {
    // Several items under one press are checked in item order; a wrong one ends the turn.
    for (size_t i = 0; i < items.size(); ++i) {
        const CSprite& item = items[i];
        if (phase != Answering || !item.visible || !item.HitTest(x, y) || !PressMeant(item)) continue;
        if (CheckAnswer(static_cast<int>(i))) OnItemPicked(static_cast<int>(i));
    }
}
