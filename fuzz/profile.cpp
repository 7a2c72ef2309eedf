// Profile (ini) files: any file contents read through both readers, for a section and key named
// by the input and for the ones the program reads.
#include "FuzzInput.h"
#include "ProfileFile.h"
#include "QsIni.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    qs::fuzz::FuzzInput in(data, size);
    const std::string section = in.Text('\n');
    const std::string key = in.Text('\n');
    const qs::fuzz::TempFile file("profile.ini", in.Rest());
    qs::ReadProfileString(file.Name(), section, key, "default ");
    for (const std::string& name : qs::ReadProfileKeys(file.Name(), section)) {
        qs::ReadProfileString(file.Name(), section, name, "");
    }
    QsIni(file.Name()).ReadString(section, key, "");
    QsIni(file.Name()).ReadString("Device", "IP", "");
    return 0;
}
