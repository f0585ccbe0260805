// What any Qt program pays to start, draw three numbers of 1..100 and print them.
#include <QCoreApplication>
#include <QRandomGenerator>

#include <cstdio>

int main(int argc, char **argv)
{
    QCoreApplication application(argc, argv);
    for (int i = 0; i < 3; ++i)
        std::printf("%d\n", QRandomGenerator::global()->bounded(1, 101));
    return 0;
}
