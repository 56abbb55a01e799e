#include "artwork/pictures/picturecatalogue.h"

#include <QDir>
#include <QTranslator>

#include <memory>

#include "artwork/pictures/buttonface.h"
#include "artwork/pictures/dualpairanimation.h"
#include "artwork/pictures/emblem.h"
#include "artwork/pictures/menubackground.h"
#include "artwork/pictures/pointercursor.h"
#include "artwork/pictures/voyageanimation.h"
#include "language/core/languagechoice.h"
#include "module1/wordedfaces.h"

using geometry::PlatonicSolid;

namespace {

QString latin1(std::string_view text) {
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

PictureCatalogue::Sequence dualPair(const AnimationTable::Sequence& files,
                                    DualPairAnimation::Setup setup) {
    setup.frames = files.frames;
    auto animation = std::make_shared<const DualPairAnimation>(setup);
    const QString folder = latin1(files.folder);
    return {folder, folder, latin1(files.prefix), files.frames,
            [animation](int i, int scale) { return animation->frame(i, scale); }};
}

}  // namespace

PictureCatalogue::PictureCatalogue(const QString& translationsFolder) {
    using Placement = DualPairAnimation::Placement;

    const auto menu = [](int scale) { return MenuBackground::draw({800, 600}, scale); };
    stills_.push_back(
        {QStringLiteral("menu"), QStringLiteral("newrec0/newr0039.gif"), "GIF", -1, menu});
    const auto logo = [](int scale) { return Emblem::logo({100, 139}, scale); };
    stills_.push_back(
        {QStringLiteral("logo"), QStringLiteral("Images/logo2.jpg"), "JPEG", 92, logo});
    addWordedFaces(translationsFolder);
    for (int size : {32, 48, 64, 128, 256})
        stills_.push_back({QStringLiteral("icons"),
                           QStringLiteral("icons/quorvane-%1.png").arg(size), "PNG", -1,
                           [size](int) { return Emblem::icon(size); }, false});
    stills_.push_back({QStringLiteral("cursor"), QStringLiteral("Images/fullscreen-cursor.png"),
                       "PNG", -1, [](int scale) { return PointerCursor::draw(scale); }});

    // The title and quiz screens: a cube with the octahedron inside it, turning
    // a quarter turn about a face axis over the loop.
    DualPairAnimation::Setup cube;
    cube.solid = PlatonicSolid::Cube;
    cube.placement = Placement::Inscribed;
    cube.axis = {0, 1, 0};
    cube.symmetry = 4;
    cube.pixelsPerUnit = 88;
    sequences_.push_back(dualPair(AnimationTable::kCubeOctahedron, cube));

    // The tetrahedron is its own dual: the upturned one inside, its corners on
    // the face centres, grows into the crossed star and back, turning a third
    // of a turn about a vertex axis.
    DualPairAnimation::Setup tetrahedron;
    tetrahedron.solid = PlatonicSolid::Tetrahedron;
    tetrahedron.placement = Placement::Inscribed;
    tetrahedron.growToCrossing = true;
    tetrahedron.axis = {1, 1, 1};
    tetrahedron.symmetry = 3;
    tetrahedron.pixelsPerUnit = 102;
    tetrahedron.solidOpacity = 80;
    sequences_.push_back(dualPair(AnimationTable::kTetrahedron, tetrahedron));

    // The dodecahedron with the icosahedron inside, a fifth of a turn about a
    // face axis.
    DualPairAnimation::Setup dodecahedron;
    dodecahedron.solid = PlatonicSolid::Dodecahedron;
    dodecahedron.placement = Placement::Inscribed;
    dodecahedron.axis = makePlatonicSolid(PlatonicSolid::Dodecahedron).faceNormal(0);
    dodecahedron.symmetry = 5;
    dodecahedron.pixelsPerUnit = 96;
    sequences_.push_back(dualPair(AnimationTable::kDodecahedron, dodecahedron));

    // The clue to Hamilton's voyage, six seconds at 50 ms a frame.
    VoyageAnimation::Setup voyageSetup;
    voyageSetup.frames = AnimationTable::kVoyage.frames;
    auto voyage = std::make_shared<const VoyageAnimation>(voyageSetup);
    const QString voyageFolder = latin1(AnimationTable::kVoyage.folder);
    sequences_.push_back({voyageFolder, voyageFolder, latin1(AnimationTable::kVoyage.prefix),
                          voyage->frameCount(),
                          [voyage](int i, int scale) { return voyage->frame(i, scale); }});
}

void PictureCatalogue::addWordedFaces(const QString& translationsFolder) {
    const QString group = QStringLiteral("buttons");
    auto add = [&](const WordedFaces::Face& face, const QString& language, const QString& word) {
        const std::string path = AnimationTable::languageName(face.file, language.toStdString());
        stills_.push_back(
            {group, QString::fromStdString(path), "JPEG", 92,
             [word, edge = face.onEveryBackground ? ButtonFace::Edge::Square
                                                  : ButtonFace::Edge::Rounded](int scale) {
                 return ButtonFace::draw(word, {119, 33}, scale, edge);
             },
             true, word});
    };
    for (const auto& face : WordedFaces::kAll) add(face, {}, QString::fromLatin1(face.word));

    // The translations the program ships; one it could not read leaves the
    // program in English, so that language needs no faces either.
    if (translationsFolder.isEmpty()) return;
    const QDir folder(translationsFolder);
    for (const QString& file : folder.entryList(QDir::Files, QDir::Name)) {
        const QString language =
            QString::fromStdString(LanguageChoice::languageOfFile(file.toStdString()));
        QTranslator translator;
        if (language.isEmpty() || !translator.load(folder.filePath(file)) || translator.isEmpty())
            continue;
        sources_.push_back({group, folder.filePath(file)});
        for (const auto& face : WordedFaces::kAll) {
            const QString word = translator.translate(WordedFaces::kContext, face.word);
            add(face, language, word.isEmpty() ? QString::fromLatin1(face.word) : word);
        }
    }
}

QStringList PictureCatalogue::names() const {
    QStringList names;
    for (const auto& s : sequences_)
        if (!names.contains(s.name)) names.append(s.name);
    for (const auto& s : stills_)
        if (!names.contains(s.name)) names.append(s.name);
    return names;
}

QString PictureCatalogue::sharpPath(const QString& path, int scale) {
    return QString::fromStdString(AnimationTable::sharpName(path.toStdString(), scale));
}
