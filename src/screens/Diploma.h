#pragma once
// The diploma: the week's diploma page in the middle of the canvas and a shelf of stickers
// along its right side. Coins earned in the exercises buy stickers, which the trainee places
// on the page with a click (or with the switch keys) and may move again for free. The
// design grows with the completed training days, one for every five; what is placed on each
// design is kept in the trainee's diploma file of that design. The printing screen embeds one
// to draw each design onto a thumbnail.
#include <array>
#include <memory>
#include <string>
#include <vector>

#include "engine/GameBase.h"
#include "graphics/Sprite.h"
#include "sound/SoundGroup.h"

class CDiploma final : public CPlainScreen {
public:
    static constexpr int kDesigns = 5;
    static constexpr uint32_t kBackground = 0xFF004184u;
    // What a sticker's user values hold.
    enum StickerValue { kIndex = 0, kPrice = 1, kNaturalWidth = 2, kNaturalHeight = 3, kPlaced = 4 };

    explicit CDiploma(bool embedded = false) : embedded(embedded) {}
    ~CDiploma() override;

    int Init(Graphics* backGraphics, Graphics* windowGraphics, Bitmap* backBuffer, Profile* profile) override;
    int Update() override;
    void UpdateCursor() override;
    int Draw() override;
    int OnMouseDown(unsigned wParam, long lParam) override;
    int OnKeyDown(int virtualKey, int unused, long lParam) override;

    // Loads design d (0..4): its page, its stickers on the shelf, then what the trainee placed
    // on it before.
    void LoadDesign(int d);
    // Frees the page and the stickers (the printing screen draws one design after another).
    void FreeDesign();
    // Lays out the shelf and rebuilds the switch list.
    void Arrange();
    // Draws the page at (0, page y) and every placed sticker shifted with it onto graphics.
    int RenderTo(Graphics* graphics);

    // The price of a sticker at level and coins.
    static int PriceFor(const std::wstring& level, int coins);

    // Read by tests and tools.
    int Design() const { return design; }
    int Price() const { return price; }
    const CSprite& Page() const { return page; }
    const CSprite& Bag() const { return bag; }
    const CSprite& PriceCoin() const { return priceCoin; }
    int StickerCount() const { return static_cast<int>(stickers.size()); }
    const CSprite& Sticker(int i) const { return *stickers[static_cast<size_t>(i)]; }
    int Dragged() const { return dragged; }
    const ScanList& Scan() const { return answerScan; }
    const CSprite& Stop() const { return stopButton; }

private:
    CSprite* StickerUnder(int x, int y);
    bool OnPage(int x) const { return x >= page.x && x <= page.x + page.width; }
    void UpdateBagText();
    void PlaceKeyCursor();
    void SavePlacements() const;
    void LoadPlacements();

    bool embedded = false;
    std::array<std::wstring, kDesigns> designFolders;
    std::array<std::wstring, kDesigns> diplomaFiles;
    int design = 0;
    int price = 1;
    int dragged = -1;
    float keyX = -1, keyY = 0;
    CSprite page;
    CSprite bag;
    CSprite priceCoin;
    CSprite marker;
    std::vector<std::unique_ptr<CSprite>> stickers;
    std::vector<std::wstring> stickerFiles;  // the name of each sticker's file, in list order
    CSoundGroup correctSound;
};
