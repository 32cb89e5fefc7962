#include "speech/espeakspeech.h"
#include "speech/soundoutput.h"
#include "speech/speechtext.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <cmath>
#include <memory>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>
#include <utility>

using namespace Qt::StringLiterals;
using teskaro::EspeakSpeech;

namespace {

const auto reply = u":) TENGO ENTENDIDO QUE LOS HOMBRES SON ANIMALES INTELIGENTES A VECES \r\n"_s;
constexpr char childOption[] = "--speak-without-sound";

// Median fundamental frequency of the voiced 40 ms frames: the lag, between 2.5 and 16 ms,
// where the normalised autocorrelation peaks; frames that are quiet or correlate weakly
// (consonants, pauses) are skipped.
double medianPitch(const QList<qint16> &samples, int rate)
{
    const qsizetype frame = rate / 25, minLag = rate / 400, maxLag = rate / 60;
    QList<double> pitches;
    for (qsizetype start = 0; start + frame + maxLag <= samples.size(); start += rate / 100) {
        const auto correlation = [&](qsizetype a, qsizetype b) {
            double sum = 0;
            for (qsizetype i = 0; i < frame; ++i)
                sum += double(samples[start + a + i]) * samples[start + b + i];
            return sum;
        };
        const double energy = correlation(0, 0);
        if (energy < frame * 500.0 * 500.0)
            continue;
        double best = 0;
        qsizetype bestLag = 0;
        for (qsizetype lag = minLag; lag <= maxLag; ++lag) {
            const double r = correlation(0, lag) / std::sqrt(energy * correlation(lag, lag));
            if (r > best) {
                best = r;
                bestLag = lag;
            }
        }
        if (best > 0.7)
            pitches << double(rate) / double(bestLag);
    }
    if (pitches.isEmpty())
        return 0;
    std::sort(pitches.begin(), pitches.end());
    return pitches[pitches.size() / 2];
}

// A sound server's socket; once closed, its file stays behind like a crashed server's.
int listenOn(const QString &path)
{
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    qstrncpy(address.sun_path, QFile::encodeName(path).constData(), sizeof(address.sun_path));
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    if (::bind(fd, reinterpret_cast<sockaddr *>(&address), sizeof(address)) != 0 ||
        ::listen(fd, 4) != 0)
        qFatal("cannot listen on %s", qPrintable(path));
    return fd;
}

// The child process of speaksSilentlyWithoutSoundDevice(); it reports through its exit code
// only, since anything it prints is a failure.
int speakWithoutSound(EspeakSpeech::Output output)
{
    EspeakSpeech speech(output);
    if (speech.playsAloud())
        return 2;
    if (!speech.selectVoice(2))
        return 3;
    speech.speakText(reply);
    speech.beforeAnswer();
    speech.speakText(u":( NO ENTIENDO TU MENSAJE. SIGUE LA SINTAXIS ESTABLECIDA "_s);
    if (!speech.selectVoice(1) || speech.renderSpeech(reply).isEmpty())
        return 4;
    speech.speakText(reply); // still speaking when the process ends
    return 0;
}

// Runs speakWithoutSound() in a child without a sound server, and with espeak-ng's data
// from dataPath when given; returns its exit code and everything it printed. If this machine
// has a sound card, the child discards its speech instead of detecting the device.
std::pair<int, QByteArray> runWithoutSound(const QString &dataPath)
{
    QTemporaryDir runtime;
    teskaro::SoundEnvironment environment = teskaro::SoundEnvironment::current();
    environment.pulseServer.clear();
    environment.pulseSockets = {runtime.filePath(u"pulse/native"_s), u"/run/pulse/native"_s};
    const bool soundCard = teskaro::hasSoundOutput(environment);

    QProcessEnvironment childEnvironment = QProcessEnvironment::systemEnvironment();
    childEnvironment.remove(u"PULSE_SERVER"_s);
    childEnvironment.remove(u"PULSE_RUNTIME_PATH"_s);
    childEnvironment.insert(u"XDG_RUNTIME_DIR"_s, runtime.path());
    if (!dataPath.isEmpty())
        childEnvironment.insert(u"ESPEAK_DATA_PATH"_s, dataPath);
    QProcess child;
    child.setProcessEnvironment(childEnvironment);
    child.setProcessChannelMode(QProcess::MergedChannels);
    child.start(QCoreApplication::applicationFilePath(),
                {QString::fromLatin1(childOption), soundCard ? u"discard"_s : u"detect"_s});
    const bool finished = child.waitForFinished(-1) && child.exitStatus() == QProcess::NormalExit;
    return {finished ? child.exitCode() : -1, child.readAll()};
}

QString installedEspeakData()
{
    QStringList candidates{u"/usr/share/espeak-ng-data"_s};
    for (const QString &arch : QDir(u"/usr/lib"_s).entryList(QDir::Dirs | QDir::NoDotAndDotDot))
        candidates << u"/usr/lib/"_s + arch + u"/espeak-ng-data"_s;
    for (const QString &candidate : candidates) {
        if (QFileInfo::exists(candidate + u"/phontab"_s))
            return candidate;
    }
    return {};
}

// Links everything in "from" into "to" except the file at the path "left out", whose folders
// are mirrored the same way.
bool mirrorWithout(const QString &from, const QString &to, QStringList leftOut)
{
    const QString skipped = leftOut.takeFirst();
    for (const QString &name : QDir(from).entryList(QDir::AllEntries | QDir::NoDotAndDotDot)) {
        const QString source = from + u'/' + name, target = to + u'/' + name;
        if (name != skipped) {
            if (!QFile::link(source, target))
                return false;
        } else if (!leftOut.isEmpty()) {
            if (!QDir().mkpath(target) || !mirrorWithout(source, target, leftOut))
                return false;
        }
    }
    return true;
}

} // namespace

class TestEspeakSpeech : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        // The first object fixes the output for the process: these tests never play aloud.
        m_speech = std::make_unique<EspeakSpeech>(EspeakSpeech::Output::Discard);
        QVERIFY2(m_speech->selectVoice(2), qPrintable(m_speech->errorString()));
        QVERIFY(!m_speech->playsAloud());
    }

    void readsRepliesAsAListenerExpects()
    {
        QCOMPARE(teskaro::spokenText(u":) ¿QUÉ ES UN ÑANDÚ?... \r\n"_s), u"¿Qué es un ñandú?..."_s);
        QCOMPARE(teskaro::spokenText(u"ES AZUL.Y MIDE 3.5 M"_s), u"Es azul. Y mide 3.5 m"_s);

        // espeak-ng spells capitals among lower-case words ("ES MI" as "e ese eme i"), pauses
        // on a smiley, and takes a full stop before a lower-case word for an abbreviation's.
        QCOMPARE(m_speech->phonemes(u":) ES MI perro\r\n"_s), m_speech->phonemes(u"es mi perro"_s));
        QVERIFY(!m_speech->phonemes(u":) ES MI PERRO"_s).join(u' ').contains(u'_'));
        QCOMPARE(m_speech->phonemes(u":( NO ENTIENDO TU MENSAJE. SIGUE LA SINTAXIS "_s).size(), 2);
    }

    void voicesDifferInPitch()
    {
        const auto pitch = [](EspeakSpeech &speech) {
            return medianPitch(speech.renderSpeech(reply), speech.sampleRate());
        };
        QVERIFY(m_speech->selectVoice(1));
        const double female = pitch(*m_speech);
        QVERIFY(m_speech->selectVoice(2));
        const double male = pitch(*m_speech);
        QVERIFY2(male > 60 && female > male * 1.25,
                 qPrintable(u"%1 Hz, %2 Hz"_s.arg(female).arg(male)));

        // A second object shares the engine but keeps its own voice, and so does the first;
        // an unknown voice changes nothing.
        EspeakSpeech other(EspeakSpeech::Output::Discard);
        QVERIFY(other.selectVoice(1));
        QVERIFY(pitch(other) > male * 1.25);
        QVERIFY(!m_speech->selectVoice(3));
        QVERIFY(pitch(*m_speech) * 1.25 < female);
    }

    void detectsSoundOutput()
    {
        QTemporaryDir folder;
        QVERIFY(folder.isValid());
        const QString live = folder.filePath(u"live"_s), stale = folder.filePath(u"stale"_s);
        const int liveSocket = listenOn(live);
        const auto closeLive = qScopeGuard([&] { ::close(liveSocket); });
        ::close(listenOn(stale));
        const auto write = [&](const QString &name, const QByteArray &content) {
            QFile file(folder.filePath(name));
            return QDir().mkpath(QFileInfo(file).path()) && file.open(QIODevice::WriteOnly) &&
                   file.write(content) == content.size();
        };
        QVERIFY(write(u"nocards"_s, "--- no soundcards ---\n"));
        QVERIFY(write(u"cards"_s, " 0 [PCH            ]: HDA-Intel - HDA Intel PCH\n"
                                  "                      HDA Intel PCH at 0xf7f10000 irq 32\n"));
        QVERIFY(write(u"snd/pcmC0D0p"_s, {}));

        const auto probe = [&](const QString &server, const QString &socket, const QString &cards,
                               const QString &devices) {
            return teskaro::hasSoundOutput({server,
                                            {folder.filePath(socket)},
                                            folder.filePath(cards),
                                            folder.filePath(devices)});
        };
        const QString none = u"none"_s;
        QVERIFY(!probe({}, none, none, u"snd"_s));
        QVERIFY(!probe({}, none, u"nocards"_s, u"snd"_s));
        QVERIFY(probe({}, none, u"cards"_s, u"snd"_s));
        QVERIFY(!probe({}, none, u"cards"_s, none)); // a card without a device node to open
        QVERIFY(probe({}, u"live"_s, none, none));
        QVERIFY(!probe({}, u"stale"_s, none, none));
        QVERIFY(probe(u"{0123abcd}unix:"_s + live, none, none, none));
        QVERIFY(!probe(u"unix:"_s + stale, u"live"_s, none, none)); // replaces the default socket
        QVERIFY(probe(u"tcp:soundhost:4713"_s, none, none, none));
    }

    void speaksSilentlyWithoutSoundDevice()
    {
        const auto [exitCode, output] = runWithoutSound({});
        QCOMPARE(output, QByteArray());
        QCOMPARE(exitCode, 0);
    }

    void refusesAVariantEspeakLacks()
    {
        // Without the male variant espeak-ng would speak with the plain Spanish voice.
        const QString installed = installedEspeakData();
        if (installed.isEmpty())
            QSKIP("espeak-ng's data folder not found");
        QTemporaryDir data;
        QVERIFY(data.isValid());
        QVERIFY(mirrorWithout(installed, data.path(), {u"voices"_s, u"!v"_s, u"m3"_s}));
        const auto [exitCode, output] = runWithoutSound(data.path());
        QCOMPARE(output, QByteArray());
        QCOMPARE(exitCode, 3);
    }

private:
    std::unique_ptr<EspeakSpeech> m_speech;
};

int main(int argc, char *argv[])
{
    if (argc == 3 && qstrcmp(argv[1], childOption) == 0) {
        return speakWithoutSound(qstrcmp(argv[2], "discard") == 0 ? EspeakSpeech::Output::Discard
                                                                  : EspeakSpeech::Output::Detect);
    }
    QCoreApplication app(argc, argv);
    TestEspeakSpeech test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_espeakspeech.moc"
