// The program's entry point. Start-up, the working folder, the lock file and
// the main window are not built yet: for now it says what it is and leaves.
#include <cstdio>

int main()
{
    printf("quenbrel2: Quenbrel marine weather client.\n"
           "The GRIB file helpers and the diagnostic log are built; the window "
           "is not yet.\n");
    return 0;
}
