#include "dosboxflavour.h"

#include <QFileInfo>

namespace {

struct Known {
    DosBoxFlavour flavour;
    const char* name;
    const char* word;
};

constexpr Known kKnown[] = {
    {DosBoxFlavour::Classic, "DOSBox 0.74-3", "classic"},
    {DosBoxFlavour::X, "DOSBox-X", "x"},
    {DosBoxFlavour::Staging, "DOSBox Staging", "staging"},
};

const Known& known(DosBoxFlavour flavour) {
    for (const Known& k : kKnown)
        if (k.flavour == flavour)
            return k;
    return kKnown[0];
}

} // namespace

DosBoxFlavour flavourFromVersionOutput(const QByteArray& output) {
    // The line that begins with the program's name and "version" tells it; it need not come
    // first (Staging run for the first time logs the making of its configuration before it),
    // and licence text and log lines that name other flavours say nothing.
    for (const QByteArray& line : output.split('\n')) {
        const QByteArray words = line.trimmed().toLower();
        if (words.startsWith("dosbox-x version"))
            return DosBoxFlavour::X;
        if (words.startsWith("dosbox-staging, version") || words.startsWith("dosbox staging"))
            return DosBoxFlavour::Staging;
        if (words.startsWith("dosbox version"))
            return DosBoxFlavour::Classic;
    }
    return DosBoxFlavour::Classic;
}

bool flavourFromProgramName(const QString& program, DosBoxFlavour* flavour) {
    const QString name = QFileInfo(program).fileName();
    if (name == QLatin1String("io.github.dosbox-staging"))
        *flavour = DosBoxFlavour::Staging;
    else if (name == QLatin1String("com.dosbox_x.DOSBox-X"))
        *flavour = DosBoxFlavour::X;
    else
        return false;
    return true;
}

QString flavourName(DosBoxFlavour flavour) {
    return QString::fromLatin1(known(flavour).name);
}

QString flavourWord(DosBoxFlavour flavour) {
    return QString::fromLatin1(known(flavour).word);
}

bool flavourFromWord(const QString& word, DosBoxFlavour* flavour) {
    for (const Known& k : kKnown)
        if (word == QLatin1String(k.word)) {
            *flavour = k.flavour;
            return true;
        }
    return false;
}
