// Compares a screenshot of the running program with the board as it must
// look: the photo decoded by libjpeg and every circle tinted over it.
//
//   board_check SHOT.png                  every circle at rest
//   board_check SHOT.png NAME lit|peak    NAME's group in that look, the rest at rest
//   BOARD_CHECK_SKIP="X Y W H"            a screen area another window covers
//
// Finds the board in the screenshot, compares all its pixels, prints the
// board's screen position ("board at X Y") and exits 0 when all match.

#include <QApplication>
#include <QImage>
#include <cstdio>
#include <cstring>

#include "app/main_form.h"
#include "setupctrls/board_highlight.h"
#include "setupctrls/board_image.h"
#include "toolkit/application.h"
#include "toolkit/jpeg_image.h"
#include "toolkit/resources.h"

namespace {

QImage ExpectedBoard(TBoardImage& board, const String& groupName, bool peak) {
    TJPEGImage photo;
    photo.LoadFromBytes(ReadResource("board_photo.jpg"));
    TBitmap composite(board.Width(), board.Height());
    composite.Canvas().Draw(0, 0, photo);
    composite.Canvas().Flush();
    TBoardHighlight* group = groupName.empty() ? nullptr : dynamic_cast<TBoardHighlight*>(board.Owner()->FindComponent(groupName));
    QImage shown = composite.Image().copy();
    for (int i = 0; i < board.ControlCount(); ++i) {
        auto* h = dynamic_cast<TBoardHighlight*>(board.Controls(i));
        if (!h) continue;
        TBitmap rest(h->Width(), h->Height()), lit(h->Width(), h->Height());
        rest.Canvas().Draw(-h->Left(), -h->Top(), composite);
        lit.Canvas().Draw(-h->Left(), -h->Top(), composite);
        rest.Canvas().Flush();
        lit.Canvas().Flush();
        TintEllipse(rest, h->RestLevel(), h->RingColor(), false);
        if (peak) TintEllipse(lit, h->PeakLevel(), h->RingColor(), true);
        else TintEllipse(lit, h->LitLevel(), h->RingColor(), false);
        composite.Canvas().Draw(h->Left(), h->Top(), rest);
        composite.Canvas().Flush();
        bool isLit = group && h->IsLinkedTo(*group);
        const QImage& look = (isLit ? lit : rest).Image();
        for (int y = 0; y < look.height(); ++y)
            for (int x = 0; x < look.width(); ++x)
                if (h->Left() + x >= 0 && h->Top() + y >= 0 && h->Left() + x < shown.width() && h->Top() + y < shown.height())
                    shown.setPixel(h->Left() + x, h->Top() + y, look.pixel(x, y));
    }
    return shown;
}

bool MatchesAt(const QImage& shot, const QImage& board, int ox, int oy, const QRect& covered, int* differing) {
    int bad = 0;
    for (int y = 0; y < board.height(); ++y)
        for (int x = 0; x < board.width(); ++x)
            if (!covered.contains(ox + x, oy + y) &&
                (shot.pixel(ox + x, oy + y) & 0xFFFFFF) != (board.pixel(x, y) & 0xFFFFFF))
                ++bad;
    *differing = bad;
    return bad == 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2 && argc != 4) {
        std::fprintf(stderr, "usage: board_check SHOT.png [HIGHLIGHT lit|peak]\n");
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    TApplication application(argc, argv);
    RegisterProgramClasses();
    application.CreateForm(MainForm, MainFormDefinition);

    QImage shot(QString::fromLocal8Bit(argv[1]));
    if (shot.isNull()) {
        std::fprintf(stderr, "cannot read %s\n", argv[1]);
        return 2;
    }
    shot = shot.convertToFormat(QImage::Format_RGB32);
    QImage board = ExpectedBoard(*MainForm->BoardImage1, argc == 4 ? argv[2] : "", argc == 4 && std::strcmp(argv[3], "peak") == 0);

    // For a person looking into a failure: the picture the board should be.
    if (qEnvironmentVariableIsSet("BOARD_CHECK_EXPECTED")) board.save(qEnvironmentVariable("BOARD_CHECK_EXPECTED"));

    // The board is centred on the window's outer size; find its exact place
    // by its top-left corner, then compare every pixel.
    QRect covered;
    if (qEnvironmentVariableIsSet("BOARD_CHECK_SKIP")) {
        QStringList n = qEnvironmentVariable("BOARD_CHECK_SKIP").split(' ', Qt::SkipEmptyParts);
        if (n.size() == 4) covered = QRect(n[0].toInt(), n[1].toInt(), n[2].toInt(), n[3].toInt());
    }
    int best = -1, bestX = 0, bestY = 0;
    for (int oy = 0; oy + board.height() <= shot.height(); ++oy)
        for (int ox = 0; ox + board.width() <= shot.width(); ++ox) {
            bool corner = true;
            for (int y = 0; y < 8 && corner; ++y)
                for (int x = 0; x < 8 && corner; ++x)
                    corner = (shot.pixel(ox + x, oy + y) & 0xFFFFFF) == (board.pixel(x, y) & 0xFFFFFF);
            if (!corner) continue;
            int differing = 0;
            if (MatchesAt(shot, board, ox, oy, covered, &differing)) {
                std::printf("board at %d %d\n", ox, oy);
                return 0;
            }
            if (best < 0 || differing < best) {
                best = differing;
                bestX = ox;
                bestY = oy;
            }
        }
    if (best < 0) std::fprintf(stderr, "board not found in %s\n", argv[1]);
    else std::fprintf(stderr, "board at %d %d differs in %d pixels\n", bestX, bestY, best);
    return 1;
}
