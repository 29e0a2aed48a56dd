#include "fuzzcheck.h"
#include "settings.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    Settings loaded;
    LoadSettings(fuzzLines(data, size, TextFileKind::Ansi), loaded);
    // What was read, saved and read again, is what was read.
    const QByteArray saved = EncodeAnsiLines(SettingsLines(loaded));
    Settings again;
    LoadSettings(SplitTextLines(DecodeText(saved, TextFileKind::Ansi)), again);
    if (!loaded.MainFrm.isSet()) {
        // A half-set rectangle places the window centred either way.
        FUZZ_CHECK(!again.MainFrm.isSet());
        again.MainFrm = loaded.MainFrm;
    }
    FUZZ_CHECK(again == loaded);
    FUZZ_CHECK(EncodeAnsiLines(SettingsLines(again)) == saved);
    return 0;
}
