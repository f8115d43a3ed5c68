#pragma once
// CExercise: the base of every exercise. An exercise shows a row of item sprites (cans, pots,
// animals, fish, numbered buttons) that the trainee answers on; the items are advanced, drawn,
// pointed at and pressed the same way everywhere, so an exercise states only its scene around
// them, its layout and what differs.
#include <span>

#include "engine/GameBase.h"

class CExercise : public CGameBase {
public:
    // Whether the session's span and direction go back into the trainee's file when the
    // exercise is left, however that happens. The number test keeps its results out of the
    // training plan.
    enum class Results { WrittenBack, Kept };

    explicit CExercise(int screenId, Results results = Results::WrittenBack);
    ~CExercise() override;

    // The shared update steps around UpdateScene.
    int Update() override;
    // The base pointer feedback, then the hand and the extra marker over a shown item.
    void UpdateCursor() override;
    // The background, the scene (DrawScene), the display around it.
    int Draw() override;
    // PressOnItems on all the items.
    int OnMouseDown(unsigned wParam, long lParam) override;
    // The common rules after a solved and after a failed sequence.
    void OnRoundCorrect() override;
    void OnRoundWrong() override;

    // How many items are out this round; read by tests and tools.
    int VisibleCount() const { return visibleCount; }

protected:
    // The items, indexed by the item numbers the sequence holds.
    virtual std::span<CSprite> Items() = 0;
    // The exercise's sprites advanced each pass (by default the items).
    virtual void UpdateScene();
    // The scene between the background and the display (by default the items).
    virtual void DrawScene();
    // An item answered right (by default it lights once).
    virtual void OnItemPicked(int item);
    // An item shown in the presentation lights once.
    void ShowItem(int item) override;
    CSprite* ItemSprite(int item) override;

    // The pointer feedback over items: the base feedback, then the hand and the extra marker
    // over a shown one.
    void ItemCursor(std::span<const CSprite> items);
    // A press in the shared order: gate, stop, start, then AnswerAt, then help.
    int PressOnItems(long lParam, std::span<CSprite> items);
    // While Answering, the answer check of each shown item under (x, y), in item order;
    // OnItemPicked follows each one found right.
    void AnswerAt(int x, int y, std::span<CSprite> items);

private:
    Results results;
};
