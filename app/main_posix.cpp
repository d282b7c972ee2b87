// The process entry off Windows: everything happens in WinMain.
#include "app/start_viewer.h"

int main(int argc, char **argv)
{
    return StartViewer(argc, argv);
}
