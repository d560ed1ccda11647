#include "RunTests.h"

QObject *createBrowseTest();
QObject *createFileListTest();

int main(int argc, char **argv)
{
    return runTests(argc, argv, {createBrowseTest, createFileListTest});
}
