// A computer player: its flag and strength, its move without a game, and its
// release through a Gracz pointer (checked for double or missing frees under
// the sanitizer build).
#include "computer/komputer.h"

#include <gtest/gtest.h>

TEST(Players, ComputerPlayer)
{
    Gracz* p = new Komputer("Comp", 3);
    EXPECT_EQ(p->computer, 1);
    EXPECT_EQ(p->Poziom, 3);
    EXPECT_STREQ(p->name, "Comp");
    EXPECT_EQ(p->rack->Count(), 0);
    EXPECT_EQ(p->Ruch(), 1) << "no running game: no move";
    delete p;
}

TEST(Players, GameRecordReleasesMixedPlayers)
{
    Gra* g = new Gra;
    g->player[0] = new Gracz("Ala");
    g->player[1] = new Komputer("Comp", 4);
    g->player[2] = new Gracz("Ola");
    g->NewGame(3, 2);
    EXPECT_NE(g->shown, 1) << "a human is shown";
    EXPECT_EQ(g->player[0]->Ruch(), 0);
    delete g;
}
