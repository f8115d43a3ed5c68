// The pool of a span is read again only when the span changed since the last round.
#include <gtest/gtest.h>

#include <memory>

#include "engine/GameBase.h"
#include "platform/headless/HeadlessBackend.h"
#include "text/TempFolder.h"

namespace {

struct HeadlessInstalled {
    HeadlessInstalled() { platform::InstallBackend(std::make_unique<platform::HeadlessBackend>()); }
    ~HeadlessInstalled() { platform::InstallBackend(nullptr); }
};

// An exercise reduced to its choice of places.
class PoolProbe final : public CGameBase {
public:
    int Draw() override { return 1; }
    int SetupRound() override { return 1; }
    void OnRoundCorrect() override {}
    void OnRoundWrong() override {}

    // One round's choice, kept as the round's sequence.
    std::vector<int> Round(int roundSpan) {
        span = roundSpan;
        sequence = ChoosePlaces(L"data\\pos\\probe\\", L"probe.txt", 4);
        return sequence;
    }
};

TEST(PoolCache, ReadOncePerSpanAgainAfterAChangeOrAShortCandidate) {
    HeadlessInstalled backend;
    TempFolder dir(true);
    dir.Put("data/pos/probe/2probe.txt", "0\r\n1\r\n");
    dir.Put("data/pos/probe/3probe.txt", "1\r\n\r\n2\r\n");  // a short candidate: (1, 2)
    PoolProbe probe;
    EXPECT_EQ(probe.Round(2), (std::vector<int>{0, 1}));
    dir.Put("data/pos/probe/2probe.txt", "3\r\n2\r\n");
    EXPECT_EQ(probe.Round(2), (std::vector<int>{0, 1}));  // same span: the pool read before
    EXPECT_EQ(probe.Round(3), (std::vector<int>{1, 2}));
    dir.Put("data/pos/probe/3probe.txt", "3\r\n2\r\n1\r\n");
    // The last sequence was shorter than its span, so the file is read again.
    EXPECT_EQ(probe.Round(3), (std::vector<int>{3, 2, 1}));
    EXPECT_EQ(probe.Round(2), (std::vector<int>{3, 2}));  // span changed: read again
    EXPECT_EQ(probe.Pool(2).size(), 1u);

    // A span without a file: distinct places stand in, and the next round tries the file again.
    const auto stand = probe.Round(4);
    EXPECT_EQ(stand.size(), 4u);
    dir.Put("data/pos/probe/4probe.txt", "0\r\n1\r\n2\r\n3\r\n");
    probe.Round(2);
    EXPECT_EQ(probe.Round(4), (std::vector<int>{0, 1, 2, 3}));
}

}  // namespace
