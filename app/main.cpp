#include "app/Application.h"
#include "desktop/Readiness.h"

#include <csignal>

int main(int argc, char** argv)
{
    // Before any thread exists that might read the environment.
    clefmark::Readiness::ofProcess();
    // A write past the file-size limit then fails, and a settings save says
    // so, instead of the limit killing the tuner in the middle of a run.
    std::signal(SIGXFSZ, SIG_IGN);
    return clefmark::runApplication(argc, argv);
}
