// The main() of the Win32 tests: the thread set up as the program's (COM for the accessible
// names, the common controls), then every test.

#include <windows.h>
#include <commctrl.h>
#include <gtest/gtest.h>
#include <objbase.h>

int main(int argc, char* argv[]) {
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    INITCOMMONCONTROLSEX commonControls{sizeof commonControls, ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&commonControls);
    ::testing::InitGoogleTest(&argc, argv);
    const int result = RUN_ALL_TESTS();
    CoUninitialize();
    return result;
}
