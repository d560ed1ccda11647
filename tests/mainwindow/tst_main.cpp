#include "RunTests.h"

QObject *createMainWindowTest();

int main(int argc, char **argv)
{
    return runTests(argc, argv, {createMainWindowTest});
}
