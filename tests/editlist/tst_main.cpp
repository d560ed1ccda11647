#include "RunTests.h"

QObject *createCopyEngineTest();

int main(int argc, char **argv)
{
    return runTests(argc, argv, {createCopyEngineTest});
}
