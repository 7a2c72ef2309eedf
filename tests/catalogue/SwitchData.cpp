#include "SwitchData.h"

#include "SimProcess.h"

#include <fstream>
#include <sstream>

namespace {

std::string ReadFile(const std::string& path) {
    std::ifstream in(path);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

} // namespace

std::string WriteSwitchData(const std::string& folder) {
    const std::string path = folder + "/switch.walk";
    std::ofstream(path) << ReadFile(qs::test::defaultSimData()) << "\n" << ReadFile(KRS_CATALOGUE_SIM_DATA);
    return path;
}
