#include "app/Application.h"

int main(int argc, char** argv)
{
    return clefmark::runApplication(argc, argv);
}
