// The detected note as a whole note on the treble and bass staves, with a
// sharp sign for the black keys and a ledger line where the note needs one.
// Only the note is painted: the staves and clefs belong to the picture behind
// the view.
//
// Notes from E2 (on the ledger line under the bass staff) to A#5 (on the one
// over the treble staff) are shown in place; any other note folds into the
// octave from middle C by its pitch class.
#pragma once

#include "tuner/Displays.h"
#include "tuner/NoteNames.h"
#include "views/AutoResizeView.h"
#include "views/Resources.h"

#include <QImage>
#include <QPointF>
#include <array>
#include <optional>

namespace clefmark {

class Clefmark : public AutoResizeView, public NoteDisplay {
    Q_OBJECT

public:
    /// A note picture and the lower-left corner it has for middle C, in
    /// units of the initial frame (lower-left origin).
    struct ImageData {
        DensityImage image;
        QPointF point;
    };

    /// Picture names by index: (ledger line ? 2 : 0) + (sharp ? 1 : 0).
    static constexpr std::array<const char*, 4> kImageNames { "WholeNote", "SharpNote",
        "LineWholeNote", "SharpLineWholeNote" };
    /// One staff step (line to space) in units of the initial frame.
    static constexpr int kStepHeight = 9;

    explicit Clefmark(QWidget* parent = nullptr);
    explicit Clefmark(const QRectF& frame, QWidget* parent = nullptr);

    /// The tuner's note number: 48 is middle C.
    void setNote(int note) override;

    /// The note to show as an internal number, 60 being middle C.
    int note() const { return note_; }
    int displayNote() const { return displayNote_; }
    /// The tuner's note number last received, before any folding into the
    /// staves' range; none before the first.
    std::optional<int> heardNote() const { return heardNote_; }
    /// How the note is named to those who do not see it; the staves
    /// themselves are the same in every naming.
    NoteNaming noteNaming() const { return noteNaming_; }
    void setNoteNaming(NoteNaming naming) { noteNaming_ = naming; }
    const ImageData& imageData(int index) const { return SPD[static_cast<std::size_t>(index)]; }

    /// Where the note `internalNote` sits: its staff step (0 is middle C, one
    /// per letter name), whether it is drawn sharp and whether on a ledger line.
    struct Placement {
        int step = 0;
        bool sharp = false;
        bool ledger = false;
        int imageIndex() const { return (ledger ? 2 : 0) + (sharp ? 1 : 0); }
    };
    static Placement placement(int internalNote);

protected:
    void paintEvent(QPaintEvent* event) override;
    void originalFrameChanged() override;

private:
    void loadImages();
    void placeImages();

    std::array<ImageData, 4> SPD;
    int note_ = 0;
    int displayNote_ = 0;
    std::optional<int> heardNote_;
    NoteNaming noteNaming_ = NoteNaming::Letters;
};

} // namespace clefmark
