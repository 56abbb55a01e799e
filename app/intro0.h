#pragma once

#include "platform/controlarray.h"
#include "platform/label.h"
#include "platform/screen.h"

class ImageBox;
class QTimer;
class PictureButton;

// The topic menu: eleven topics in two columns, of which "Duality" and
// "Voyage Around the World" lead to their activities; the title, logo and
// version; the publisher's web address; and an exit back to the title screen.
class intro0 : public Screen {
    Q_OBJECT

public:
    intro0();

    void onLoad() override;

    Label* Label2(int i) const { return m_leftTopics(i); }
    Label* Label5(int i) const { return m_rightTopics(i); }
    Label* Label1() const { return m_heading; }
    Label* Label6() const { return m_webAddress; }
    // Says for a few seconds that no browser could open the address.
    Label* noBrowserMessage() const { return m_noBrowser; }

    // The web address as the menu shows it and as the shell opens it.
    static QString publisherAddress();
    static QString publisherAddressText();

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool focusNextPrevChild(bool next) override;

private:
    void clearHighlights();
    void entryMoved(Label* entry);
    // The caption of the activity in the right-hand column's `slot`, in the pupil's language.
    static QString activityCaption(int slot);
    void openWebAddress();
    void sayNoBrowser();
    void backToTitle();
    void connectEntry(Label* entry);
    Label* makeEntry(const QString& name, int left, const QString& caption);
    Label* makeWebLine(const QString& name, const QString& caption);
    void handOver(const QString& screen);

    Label* m_heading;
    Label* m_version;
    Label* m_webAddress;
    Label* m_noBrowser;
    QTimer* m_noBrowserTimer;
    ImageBox* m_logo;
    PictureButton* m_exit;
    ControlArray<Label> m_leftTopics;
    ControlArray<Label> m_rightTopics;
};
