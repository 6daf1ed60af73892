// Kestrav's start-up, ended at its first paint: the program's real start-up
// path (its application object, AfxWinMain, the catalogues read, the modal
// design sheet built and shown) on the Qt platform, and the sheet ended as
// soon as its window has been painted once. kestrav_bench_startup runs it as
// a whole process to time it and read its peak memory.
//
// It prints two lines on standard output:
//   painted <CLOCK_MONOTONIC in ns>   when the first paint of the window ended
//   lists <n1,n2,...>                 the entries each list showed, in template order
// so the bare dialog can show lists of the same lengths.

#include "bench/FirstPaintPlatform.h"
#include "bench/MonotonicClock.h"
#include "testing/ProgramHost.h"

#include <QApplication>
#include <QListWidget>

#include <cstdio>
#include <string>

namespace {

class ProbePlatform : public FirstPaintPlatform {
  protected:
    void FirstPaintEnded(CDialog& dialog) override {
        std::printf("painted %lld\n", MonotonicNanoseconds());
        std::string counts;
        for (const DialogItem& item : dialog.Template().items) {
            if (item.kind != ControlKind::ListBox) continue;
            auto* list = qobject_cast<QListWidget*>(ControlWidget(dialog, item.id));
            if (!counts.empty()) counts += ',';
            counts += std::to_string(list ? list->count() : 0);
        }
        std::printf("lists %s\n", counts.c_str());
        std::fflush(stdout);
    }
};

} // namespace

// As app/main.cpp, with the probing platform.
int main(int, char** argv) {
    ProgramHost host(argv[0]);
    ProbePlatform platform;
    return host.Run(platform);
}
