#include "drivefixture.h"

#include <atomic>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <unistd.h>

namespace kpd::test {

namespace fs = std::filesystem;

TempFolder::TempFolder()
{
    static std::atomic<int> counter{0};
    const fs::path base = fs::temp_directory_path() /
                          ("kpd-xmlfiles-" + std::to_string(::getpid()) + "-" + std::to_string(counter++));
    fs::remove_all(base);
    fs::create_directories(base);
    path_ = base.string();
}

TempFolder::~TempFolder()
{
    std::error_code ec;
    fs::permissions(path_, fs::perms::owner_all, fs::perm_options::add, ec);
    fs::remove_all(path_, ec);
}

std::string TempFolder::file(const std::string& name) const
{
    return (fs::path(path_) / name).string();
}

void TempFolder::write(const std::string& name, const std::string& bytes) const
{
    std::ofstream out(file(name), std::ios::binary | std::ios::trunc);
    out << bytes;
    if (!out) throw std::runtime_error("cannot write " + file(name));
}

std::string TempFolder::read(const std::string& name) const
{
    return readFile(file(name));
}

std::string readFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in) throw std::runtime_error("cannot read " + path);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

std::string smallConfiguration()
{
    return R"(<keypadToolData version="3" recMaxHelpChars="120" custom="cust" base="65536">
  <dbNames Lang0="English" cust="Custom" Lang1="French"/>
  <modes mode2="Open loop" mode3="Closed loop" mode4="Servo"/>
  <root name="Test drive">
    <menu name="Basic" nmbr="1" cloneable="2">
      <para name="Speed" nmbr="1"/>
      <para name="Ramp" nmbr="2"/>
      <para name="Limit" nmbr="3"/>
    </menu>
    <menu name="Motor" nmbr="2">
      <para name="Poles" nmbr="0"/>
      <para name="Current" nmbr="5"/>
    </menu>
    <menu name="Trip log" nmbr="3" hide="true">
      <para name="Last" nmbr="1"/>
    </menu>
    <menu name="Slot" nmbr="15">
      <modes mode2="Slot A" mode3="Slot B"/>
      <para name="Type" nmbr="1"/>
    </menu>
    <trips name="Trips">
      <trip name="Overspeed" nmbr="1" mapMen="1" mapPar="2"/>
      <trip name="Overcurrent" nmbr="2" mapMen="2" mapPar="5"/>
    </trips>
  </root>
</keypadToolData>
)";
}

LoadedDrive::LoadedDrive(const std::string& configuration)
{
    folder.write("kpdconf.kpx", configuration);
    app = std::make_unique<TheApp>(ui, folder.path());
    app->setStartupStatus(&ui);
    app->readConfiguration();
}

bool LoadedDrive::load(const std::string& document, std::int16_t mNum, const std::string& name)
{
    folder.write(name, document);
    return app->loadUserFile(folder.file(name), mNum);
}

ModeData& LoadedDrive::custom(const std::string& menu, const std::string& para, const std::string& mode) const
{
    return inSet("Custom", menu, para, mode);
}

ModeData& LoadedDrive::inSet(const std::string& set, const std::string& menu, const std::string& para,
                             const std::string& mode) const
{
    return app->stringDatas().Item(set).DrvMenus().Item(menu).Parameters().Item(para).modes().Item(mode);
}

} // namespace kpd::test
