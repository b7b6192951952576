#pragma once

#include "comrt/dispatchobject.h"

#include <QObject>
#include <QPointer>

class CLcdtextboxCtrl;

// The keypad text box as a component object: its properties and methods by dispatch
// identifier, its signals as events to the host's sink, its persisted state (the version
// and the stock properties with the extent) and the properties verb.
class LcdtextboxObject : public QObject, public comrt::DispatchObject {
    Q_OBJECT
public:
    // The persistence version the control writes and accepts.
    static constexpr quint16 versionMajor = 1;
    static constexpr quint16 versionMinor = 0;

    explicit LcdtextboxObject(QWidget* parent);
    ~LcdtextboxObject() override;

    const comrt::TypeLibrary& typeLibrary() const override;
    QUuid classId() const override;
    comrt::Result getProperty(comrt::DispId id, QVariant& value) override;
    comrt::Result setProperty(comrt::DispId id, const QVariant& value) override;
    comrt::Result invoke(comrt::DispId id, QVariantList& args, QVariant& result) override;
    comrt::Result advise(comrt::EventSink* sink) override;
    QWidget* widget() override;
    comrt::Result save(QDataStream& out) override;
    comrt::Result load(QDataStream& in) override;
    comrt::Result initNew() override;
    bool isDirty() const override { return m_dirty; }
    comrt::Result doVerb(int verb) override;

private:
    comrt::Result getStock(comrt::DispId id, QVariant& value) const;
    comrt::Result setStock(comrt::DispId id, const QVariant& value);
    comrt::Result setCustom(comrt::DispId id, const QVariant& value);
    void fire(comrt::DispId event, const QVariantList& args = {});

    // The control dies with its parent window; calls after that report the object gone.
    QPointer<CLcdtextboxCtrl> m_ctrl;
    comrt::EventSink* m_sink = nullptr;
    bool m_dirty = false;
};
