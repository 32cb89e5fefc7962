// A QtCore program that does nothing: what starting any Qt program costs.

#include <QCoreApplication>

int main(int argc, char *argv[])
{
    QCoreApplication application(argc, argv);
    return 0;
}
