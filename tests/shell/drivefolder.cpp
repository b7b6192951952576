#include "drivefolder.h"

#include <QFile>

namespace {

const char* kConfiguration = R"(<keypadToolData version="1" recMaxHelpChars="100" custom="Lang1" base="65536">
  <dbNames Lang0="English" Lang1="Custom" Lang2="French"/>
  <modes mode2="Open loop" mode3="Closed loop" mode4="Servo" mode5="Regen"/>
  <root name="Test Drive">
    <menu name="Speed" nmbr="1">
      <para name="Reference" nmbr="1"/>
      <para name="Maximum" nmbr="2"/>
    </menu>
    <menu name="Protection" nmbr="2" hide="true">
      <para name="Trip store" nmbr="0"/>
    </menu>
    <trips name="Trips">
      <trip name="Over volts" nmbr="1" mapMen="2" mapPar="0"/>
    </trips>
  </root>
</keypadToolData>
)";

QByteArray languageDocument(const char* key, const char* speedText, const char* tripText)
{
    return QByteArray(R"(<App AppID="KeypadApp" version="10500">
  <StringDB DBID=")") + key + R"(">
    <Menu MenuID="m1">
      <Para ParaID="p1">
        <Mode ModeID="Open loop" Unit="4"><Desc>)" + speedText + R"(</Desc><Help>Help</Help></Mode>
        <Mode ModeID="Closed loop" Unit="3"><Desc>Closed</Desc><Help/></Mode>
      </Para>
    </Menu>
    <Menu MenuID="m2">
      <Para ParaID="p0">
        <Mode ModeID="Open loop" Unit="0"><Desc>)" + tripText + R"(</Desc><Help/></Mode>
      </Para>
    </Menu>
  </StringDB>
</App>
)";
}

const char* kConstants = R"(<App AppID="KeypadApp" version="10500">
  <StringDB DBID="Constants">
    <Menu MenuID="m1">
      <Para ParaID="p2">
        <Mode ModeID="Open loop" Unit="1" defined="true" nOfDP="1" uLim="1000" lLim="0" dVal="500"/>
        <Mode ModeID="Closed loop" Unit="0" defined="false" nOfDP="0" uLim="undef" lLim="undef" dVal="undef"/>
      </Para>
    </Menu>
  </StringDB>
</App>
)";

} // namespace

DriveFolder::DriveFolder(int files)
{
    if (files & Configuration) write(QStringLiteral("kpdconf.kpx"), kConfiguration);
    if (files & Constants) write(QStringLiteral("modeConstants.kpc"), kConstants);
    if (files & English) write(QStringLiteral("English.kpl"), languageDocument("English", "Speed ref", "Over volts"));
    if (files & Custom) write(QStringLiteral("Custom.kpl"), languageDocument("Custom", "Custom ref", "Custom trip"));
    if (files & French) write(QStringLiteral("French.kpl"), languageDocument("French", "Vitesse", "Surtension"));
}

void DriveFolder::write(const QString& name, const QByteArray& content) const
{
    QFile out(dir_.filePath(name));
    if (out.open(QIODevice::WriteOnly)) out.write(content);
}

QByteArray DriveFolder::customDocument(const QString& description) const
{
    return languageDocument("Custom", description.toUtf8().constData(), "");
}
