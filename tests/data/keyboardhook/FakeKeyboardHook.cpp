// A stand-in for the optional keyboard-hook library: it only records the calls.
extern "C" {
int chronaHookInstalls = 0;
int chronaHookUninstalls = 0;
int chronaHookLastEnable = -1;

void installKeyboardHook() { ++chronaHookInstalls; }
void uninstallKeyboardHook() { ++chronaHookUninstalls; }
void setEnableKeyboardHook(bool enabled) { chronaHookLastEnable = enabled ? 1 : 0; }
}
