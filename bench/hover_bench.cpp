// Time from the pointer entering a circle to its popup's first paint: the
// first time (the popup is built) and later (shown again), beside a baseline
// in the same process: showing an already built tool window of the same size.
// Runs on whatever platform Qt is given (bench/hover.py runs it offscreen
// and under Xvfb).

#include <QApplication>
#include <QElapsedTimer>
#include <QTest>
#include <QWidget>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

#include "app/main_form.h"
#include "setupctrls/board_highlight.h"
#include "setupctrls/board_image.h"
#include "setupctrls/popup_form.h"
#include "toolkit/application.h"

namespace {

// Notes when any widget of a given window paints.
class PaintWatch : public QObject {
public:
    QWidget* window = nullptr;
    bool painted = false;
    bool eventFilter(QObject* o, QEvent* e) override {
        if (e->type() == QEvent::Paint && window && o->isWidgetType() && static_cast<QWidget*>(o)->window() == window)
            painted = true;
        return false;
    }
};

PaintWatch watch;

// Waits for the window (which may not exist yet) to paint.
double WaitForPaint(const std::function<QWidget*()>& window, const QElapsedTimer& clock) {
    while (!watch.painted) {
        watch.window = window();
        QApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
        if (clock.elapsed() > 5000) {
            std::fprintf(stderr, "hover_bench: no popup painted within 5 s\n");
            std::_Exit(1);
        }
    }
    double ms = clock.nsecsElapsed() / 1e6;
    watch.painted = false;
    watch.window = nullptr;
    return ms;
}

void Settle() {
    for (int i = 0; i < 5; ++i) QApplication::processEvents();
}

double Median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
    TApplication application(argc, argv);
    RegisterProgramClasses();
    application.CreateForm(MainForm, MainFormDefinition);
    // The help window that start-up opens would only stand in the way here.
    application.OnIdle = nullptr;
    MainForm->Show();
    if (!QTest::qWaitForWindowExposed(MainForm->Widget()->windowHandle())) {
        std::fprintf(stderr, "hover_bench: the main window never appeared\n");
        return 1;
    }
    Settle();
    QApplication::instance()->installEventFilter(&watch);

    TBoardImage& board = *MainForm->BoardImage1;
    QWidget* surface = board.ClientWidget();
    const QPoint away(250, 150);
    QTest::mouseMove(surface, away);
    Settle();

    std::vector<double> first, again, baseline;
    std::vector<TBoardHighlight*> groups = {MainForm->USBHighlight,    MainForm->AnalogRangeHighlight0,
                                            MainForm->PullHighlight,   MainForm->PowerJumperHighlight,
                                            MainForm->SubUSBHighlight, MainForm->LedHighlight,
                                            MainForm->GateConnHighlight};
    const int rounds = 10;
    for (int round = 0; round <= rounds; ++round) {
        for (TBoardHighlight* h : groups) {
            QPoint centre(h->Left() + h->Width() / 2, h->Top() + h->Height() / 2);
            QElapsedTimer clock;
            clock.start();
            QTest::mouseMove(surface, centre);
            double ms = WaitForPaint([h] { return h->Popup() ? h->Popup()->Widget() : nullptr; }, clock);
            (round == 0 ? first : again).push_back(ms);
            QTest::mouseMove(surface, away);
            QElapsedTimer closing;
            closing.start();
            while (h->Popup()->Widget()->isVisible() && closing.elapsed() < 5000)
                QApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
            Settle();
        }
    }

    // The same visible work without the program: show a built tool window.
    QWidget plain(nullptr, Qt::Tool | Qt::WindowStaysOnTopHint);
    plain.resize(194, 251);
    for (int i = 0; i < rounds * int(groups.size()); ++i) {
        QElapsedTimer clock;
        clock.start();
        plain.show();
        plain.activateWindow();
        baseline.push_back(WaitForPaint([&plain] { return &plain; }, clock));
        plain.hide();
        Settle();
        QTest::qWait(10);
    }

    std::printf("hover to popup painted, ms (median of %zu / %zu / %zu)\n", first.size(), again.size(),
                baseline.size());
    std::printf("  first time (built):  %6.2f\n", Median(first));
    std::printf("  later (shown again): %6.2f\n", Median(again));
    std::printf("  baseline tool window:%6.2f\n", Median(baseline));
    std::printf("  ratio first/baseline %.2f, later/baseline %.2f\n", Median(first) / Median(baseline),
                Median(again) / Median(baseline));
    std::fflush(stdout);
    std::_Exit(0);
}
