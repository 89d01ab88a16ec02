// Time from starting a program until its first top-level window is mapped on
// the X display, for the trainer, the designer and a bare Qt Widgets window,
// started in turn; prints the medians and their ratios to the bare window.
//   StartupBenchmark <runs> [trainer program] [designer program]   (DISPLAY names an X server
//   without a window manager, so that the programs' own windows are mapped on the root)
// The designer starts as after its first start: its program folder holds
// Data.dat and the Czech language file, which are written when missing.

#include "calendar/language/LanguageLines.h"
#include "platform/files/FileSystem.h"
#include "platform/text/TextLineFile.h"

#include <QFileInfo>

#include <xcb/xcb.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

double startUntilMapped(xcb_connection_t *x, const std::string &program, const std::string &folder)
{
    const Clock::time_point start = Clock::now();
    const pid_t child = fork();
    if (child == 0) {
        if (chdir(folder.c_str()) != 0)
            _exit(127);
        execl(program.c_str(), program.c_str(), static_cast<char *>(nullptr));
        _exit(127);
    }
    double ms = -1;
    while (xcb_generic_event_t *event = xcb_wait_for_event(x)) {
        const bool mapped = (event->response_type & 0x7f) == XCB_MAP_NOTIFY;
        free(event);
        if (mapped) {
            ms = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
            break;
        }
    }
    kill(child, SIGKILL);
    waitpid(child, nullptr, 0);
    return ms;
}

bool prepareDesignerFolder(const QString &folder)
{
    const QString settings = folder + QStringLiteral("/Data.dat");
    const QString czech = folder + QStringLiteral("/Language/") + LanguageLines::CzechFileName;
    if (!FileSystem::fileExists(settings)
        && !TextLineFile::write(settings, {LanguageLines::CzechFileName}, TextLineFile::LastLine::Unterminated))
        return false;
    return FileSystem::fileExists(czech) || TextLineFile::write(czech, LanguageLines::builtInCzech());
}

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v.size() % 2 ? v[v.size() / 2] : (v[v.size() / 2 - 1] + v[v.size() / 2]) / 2;
}

} // namespace

int main(int argc, char *argv[])
{
    const int runs = argc > 1 ? std::atoi(argv[1]) : 15;
    const std::string trainerProgram = argc > 2 ? argv[2] : STARTUP_TRAINER;
    const std::string designerProgram = argc > 3 ? argv[3] : STARTUP_DESIGNER;
    // The designer's program folder is the folder of its program file.
    const std::string designerFolder =
        QFileInfo(QString::fromStdString(designerProgram)).absolutePath().toStdString();
    if (!prepareDesignerFolder(QString::fromStdString(designerFolder))) {
        std::fprintf(stderr, "cannot write the designer's settings into %s\n", designerFolder.c_str());
        return 1;
    }
    xcb_connection_t *x = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(x)) {
        std::fprintf(stderr, "no X display\n");
        return 1;
    }
    xcb_screen_t *screen = xcb_setup_roots_iterator(xcb_get_setup(x)).data;
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(x, screen->root, XCB_CW_EVENT_MASK, &mask);
    xcb_flush(x);
    std::vector<double> trainer, designer, bare;
    for (int i = 0; i < runs + 1; ++i) {
        const double t = startUntilMapped(x, trainerProgram, STARTUP_TRAINER_FOLDER);
        const double b = startUntilMapped(x, STARTUP_BARE, STARTUP_TRAINER_FOLDER);
        const double d = startUntilMapped(x, designerProgram, designerFolder);
        if (i > 0) { // the first round only warms the file cache
            trainer.push_back(t);
            designer.push_back(d);
            bare.push_back(b);
        }
    }
    const double mt = median(trainer), md = median(designer), mb = median(bare);
    std::printf("start-up until mapped, median of %d alternated runs: bare Qt window %.1f ms, "
                "Varnel %.1f ms (ratio %.2f), Vuvuzodi %.1f ms (ratio %.2f)\n",
                runs, mb, mt, mt / mb, md, md / mb);
    xcb_disconnect(x);
    return 0;
}
