#include "AppStart.h"

int main(int argc, char** argv)
{
    return AppStart::Run(argc, argv);
}
