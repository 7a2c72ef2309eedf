#pragma once
// TImage: shows a picture (JPEG, BMP, PNG), optionally stretched to the control.

#include "Control.h"

#include <QLabel>

class TImage : public QLabel, public TControl {
public:
    explicit TImage(TComponent* owner, TWinControl* parent = nullptr);
    // Loads the picture; false (and no picture) when the file is missing or unreadable.
    bool LoadFromFile(const QString& fileName);
    void SetPicture(const QImage& image);
    void SetStretch(bool stretch) { setScaledContents(stretch); }
    bool Empty() const;
};
