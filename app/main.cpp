#include "app/Application.h"
#include "desktop/Readiness.h"

int main(int argc, char** argv)
{
    // Before any thread exists that might read the environment.
    clefmark::Readiness::ofProcess();
    return clefmark::runApplication(argc, argv);
}
