// The platform services handed to the application and its windows. The program
// fills it with the Linux implementations, a test with fakes.
#pragma once

class Dialogs;
class FolderRoots;
class InputMethod;
class InstanceLock;
class Shell;
class VoicePlayer;
class WindowSystem;

struct Platform
{
    Dialogs *dialogs = nullptr;
    FolderRoots *roots = nullptr;
    WindowSystem *windows = nullptr;
    InputMethod *inputMethod = nullptr;
    Shell *shell = nullptr;
};
