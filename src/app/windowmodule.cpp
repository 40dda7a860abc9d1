#include "windowmodule.h"

#include <QTextStream>

#include <dlfcn.h>
#include <string>
#include <unistd.h>

namespace {

std::string programFolder() {
    char path[4096];
    const ssize_t length = ::readlink("/proc/self/exe", path, sizeof path - 1);
    if (length <= 0)
        return ".";
    const std::string program(path, size_t(length));
    return program.substr(0, program.rfind('/'));
}

} // namespace

int runWindowModule(int& argc, char** argv, const QStringList& words) {
    const std::string folder = programFolder();
    std::string why;
    for (const std::string& candidate :
         {folder + "/" ZEMPLO_WINDOW_MODULE, folder + "/" ZEMPLO_WINDOW_MODULE_FROM_BIN}) {
        void* module = ::dlopen(candidate.c_str(), RTLD_LAZY | RTLD_LOCAL);
        if (!module) {
            why = ::dlerror();
            continue;
        }
        const auto run = reinterpret_cast<WindowEntryPoint>(::dlsym(module, kWindowEntryPoint));
        if (!run) {
            why = ::dlerror();
            continue;
        }
        return run(&argc, argv, &words);
    }
    QTextStream(stderr) << "zemplo97: the launcher's window cannot be loaded: "
                        << QString::fromLocal8Bit(why.c_str()) << "\n";
    return 1;
}
