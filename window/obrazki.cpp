#include "window/obrazki.h"

#include "model/opcje.h"
#include "platform/instalacja.h"

#define ZK_GRAF "Program Files\\Venk's Zertanik Dezoze EN\\graf/"

const char* const FixedPicturePaths[FixedPictureCount] = {
    ZK_GRAF "pzmn.JPG",     ZK_GRAF "btn3tak.JPG",  ZK_GRAF "btn3nie.JPG",
    ZK_GRAF "btn3pol.JPG",  ZK_GRAF "btn3inne.JPG", ZK_GRAF "btn3wym.JPG",
    ZK_GRAF "btn3pas.JPG",  ZK_GRAF "btn3go.JPG",   ZK_GRAF "worek.JPG",
    ZK_GRAF "btn5strt.JPG", ZK_GRAF "btn5opc.JPG",  ZK_GRAF "btn5ok.JPG",
    ZK_GRAF "btn5tlo.JPG",  ZK_GRAF "btn5slow.JPG", ZK_GRAF "btn5klfn.JPG",
    ZK_GRAF "btn5klag.JPG", ZK_GRAF "btn5tmt.JPG",  ZK_GRAF "stojak4.JPG",
    ZK_GRAF "sswczyt.JPG",  ZK_GRAF "btn5pom.JPG",  ZK_GRAF "btnzamk.JPG",
};

std::string PlayerPicturePaths[PlayerTypeCount];
std::string SquarePicturePaths[SquarePictureCount];
std::string TilePicturePaths[LetterIndexCount];
std::string BlankTilePicturePaths[LetterIndexCount];

namespace {

std::string Folder() { return TileFolder ? TileFolder : ""; }

} // namespace

void BuildPlayerPicturePaths()
{
    const std::string graf = std::string(InstallFolder) + "graf/";
    PlayerPicturePaths[0] = graf + "czlo.JPG";
    // The digit after "cpu" is the strength, found by its place in the name.
    std::string cpu = graf + "cpu1.JPG";
    const std::size_t digit = graf.size() + 3;
    for (int d = 1; d <= 4; ++d) {
        cpu[digit] = static_cast<char>('0' + d);
        PlayerPicturePaths[d] = cpu;
    }
    PlayerPicturePaths[5] = graf + "nikt.JPG";
}

void BuildSquarePicturePaths()
{
    static const char* const names[SquarePictureCount] = {
        "/pblank.JPG", "/p1pkt.JPG", "/p2pkt.JPG", "/p3pkt.JPG",
        "/p5pkt.JPG",  "/p2r.JPG",   "/p3r.JPG",   "/pstrt.JPG"};
    const std::string folder = Folder();
    for (int k = 0; k < SquarePictureCount; ++k)
        SquarePicturePaths[k] = folder + names[k];
}

void FreeSquarePicturePaths()
{
    for (std::string& p : SquarePicturePaths)
        std::string().swap(p);
}

bool HasTilePicture(int i)
{
    const Tile c = IndexLetter(i);
    return c == BlankTile || IsLetterTile(c);
}

void BuildTilePicturePaths()
{
    const std::string folder = Folder();
    for (int i = 0; i < LetterIndexCount; ++i) {
        // Indices without tiles (0, 'Y', 'Z') get no picture at all.
        const Tile face = HasTilePicture(i) ? TileFaceChar(IndexLetter(i)) : 0;
        if (face == ' ') {
            TilePicturePaths[i] = BlankTilePicturePaths[i] = folder + "/blank.JPG";
        } else if (face) {
            TilePicturePaths[i] = folder + "/pl" + static_cast<char>(face) + ".JPG";
            BlankTilePicturePaths[i] = folder + "/plb" + static_cast<char>(face) + ".JPG";
        } else {
            TilePicturePaths[i].clear();
            BlankTilePicturePaths[i].clear();
        }
    }
}

void FreeTilePicturePaths()
{
    for (int i = 0; i < LetterIndexCount; ++i) {
        std::string().swap(TilePicturePaths[i]);
        std::string().swap(BlankTilePicturePaths[i]);
    }
}
