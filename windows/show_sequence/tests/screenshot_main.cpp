// Draws the schedule window for a busy day into the PNG file named on the command line, for the
// README.
#include "platform/tests/fake_services.h"
#include "windows/show_sequence/tests/busy_day.h"
#include "windows/show_sequence/unit_show_sequence.h"

#include <QApplication>
#include <cstdio>
#include <memory>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT.png\n", argv[0]);
        return 2;
    }
    QApplication app(argc, argv);
    orvex::testing::FakeServices services;
    services.clock.now = orvex::encodeDate({2009, 1, 12});
    const auto loops = std::make_unique<orvex::LoopTable>();
    orvex::testing::fillBusyDay(*loops);
    orvex::TFormShowSeq window(*loops);
    window.show();
    QApplication::processEvents();
    return window.grab().save(argv[1]) ? 0 : 1;
}
