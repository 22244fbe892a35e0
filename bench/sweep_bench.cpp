// Total time of the about box's background-colour sweep on a real X server.
//
//   quilvane_sweep_bench [SWEEPS]
//
// Shows the real about box (Form2) over a main window built with the test fakes, and times its
// focus handler, which runs the 768 steps of the sweep (each sets the background and repaints
// at once) and then reveals the controls. The 300 ms pause after the sweep goes to the fake
// sleep, so only the sweep and the reveal are timed. Before each of SWEEPS runs (default 9) the
// controls are hidden again, as a fresh opening has them. Prints the median as a tab-separated
// row "measure, value, target" for bench/run-bench.
#include "app/module1.h"
#include "colour/colour_sweep.h"
#include "fakes/fake_services.h"
#include "ui/main/form1.h"
#include "ui/side/form2.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QPushButton>
#include <QWindow>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

constexpr int kExposeTimeoutMs = 10'000;

bool WaitUntilExposed(QWidget& window) {
    QElapsedTimer waited;
    waited.start();
    while (window.windowHandle() == nullptr || !window.windowHandle()->isExposed()) {
        if (waited.elapsed() > kExposeTimeoutMs) {
            return false;
        }
        QApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    }
    QApplication::processEvents();
    return true;
}

double SweepMilliseconds(quilvane::Form2& about) {
    about.Command1->hide();
    about.Label1->hide();
    about.Label2->hide();
    QApplication::processEvents();
    QElapsedTimer timer;
    timer.start();
    about.Form_GotFocus();
    return static_cast<double>(timer.nsecsElapsed()) / 1e6;
}

} // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    const int sweeps = argc > 1 ? std::atoi(argv[1]) : 9;
    if (sweeps < 1) {
        std::fprintf(stderr, "SWEEPS must be at least 1\n");
        return 2;
    }
    quilvane::FakeServices fakes;
    quilvane::Module1 module;
    module.reg_ver = 2.8f;
    module.reg_font = "なし";
    module.reg_Last_Color = "128128128";
    quilvane::Form1 main(module, fakes.services);
    main.show();
    quilvane::Form2 about(main);
    about.show();
    if (!WaitUntilExposed(main) || !WaitUntilExposed(about)) {
        std::fprintf(stderr, "quilvane_sweep_bench: the windows were never exposed\n");
        return 1;
    }

    std::vector<double> milliseconds;
    for (int i = 0; i < sweeps; ++i) {
        milliseconds.push_back(SweepMilliseconds(about));
    }
    std::sort(milliseconds.begin(), milliseconds.end());
    const std::size_t n = milliseconds.size();
    const double median =
        n % 2 == 1 ? milliseconds[n / 2] : (milliseconds[n / 2 - 1] + milliseconds[n / 2]) / 2;
    std::printf("About box colour sweep on Xvfb, %zu steps and the reveal, pause not counted "
                "[median of %d, min .. max]\t%.1f (%.1f .. %.1f) ms\t< 200 ms\n",
                quilvane::ColourSweep().size(), sweeps, median, milliseconds.front(),
                milliseconds.back());
    return 0;
}
