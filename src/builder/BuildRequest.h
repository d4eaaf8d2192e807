#pragma once

#include "builder/SaverTarget.h"

#include <QString>

// The builder dialog's values as the build procedure reads them. The procedure may change
// majorVersion (an empty major becomes "0"), which the dialog then shows.
struct BuildRequest {
    QString destinationFolder;
    QString fileName;
    QString comment;
    QString companyName;
    QString trademark;
    QString productName;
    QString description;
    QString copyright;
    QString majorVersion;
    QString minorVersion;
    bool soundSwitch = false;
    QString defaultIconPath;  // the application folder's scricon.ico
    QString chosenIconPath;   // the same text unless the user picked another icon
    SaverTarget target = SaverTargets::host();
};
