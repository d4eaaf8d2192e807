#pragma once

#include "editor/EditorView.h"

#include <QImage>
#include <QList>
#include <QPoint>
#include <QString>
#include <QStringList>

// A main window reduced to what the commands ask of it: every request is recorded.
class FakeEditorView : public EditorView {
public:
    struct Refresh {
        qint16 first;
        bool removeSurplus;
        friend bool operator==(const Refresh&, const Refresh&) = default;
    };

    void List1_Click() override { calls.append(QStringLiteral("List1_Click")); }
    void RefreshThumbnails(qint16 first, bool removeSurplus) override
    {
        calls.append(QStringLiteral("RefreshThumbnails"));
        refreshes.append({first, removeSurplus});
    }
    int stripScrollValue() const override { return scrollValue; }
    void Form_Resize() override { calls.append(QStringLiteral("Form_Resize")); }
    void clearCanvas() override { calls.append(QStringLiteral("clearCanvas")); }
    void placeCanvas(QPoint) override { calls.append(QStringLiteral("placeCanvas")); }
    void showDraggedPicture(const QImage& picture, QPoint position) override
    {
        calls.append(QStringLiteral("showDraggedPicture"));
        dragged = picture;
        draggedAt = position;
    }
    QImage canvasPicture() override
    {
        calls.append(QStringLiteral("canvasPicture"));
        return canvas;
    }
    void resetPanelNumbers() override { calls.append(QStringLiteral("resetPanelNumbers")); }
    void selectFirstEffect() override { calls.append(QStringLiteral("selectFirstEffect")); }
    void startFrameDrag(int j) override
    {
        calls.append(QStringLiteral("startFrameDrag %1").arg(j));
    }
    void reportUndecodable(const QString& path) override { undecodable.append(path); }
    QWidget* dialogOwner() override { return nullptr; }
    void closeWindow() override { calls.append(QStringLiteral("closeWindow")); }

    int scrollValue = 0;
    QImage canvas;
    QStringList calls;
    QList<Refresh> refreshes;
    QImage dragged;
    QPoint draggedAt;
    QStringList undecodable;
};
