#pragma once

#include "controlarray.h"
#include "label.h"
#include "screen.h"

class ImageBox;
class PictureButton;

// The topic menu: eleven topics in two columns, of which "Duality" and
// "Voyage Around the World" lead to their activities; the title, logo and
// version; the publisher's web address; and an exit back to the title screen.
class intro0 : public Screen {
    Q_OBJECT

public:
    intro0();

    void onLoad() override;

    Label* Label2(int i) const { return m_label2(i); }
    Label* Label5(int i) const { return m_label5(i); }
    Label* Label1() const { return m_label1; }
    Label* Label6() const { return m_label6; }

    // The web address as the menu shows it and as the shell opens it.
    static QString publisherAddress();
    static QString publisherAddressText();

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void clearHighlights();
    void entryMoved(Label* entry);
    // The caption of the activity in the right-hand column's `slot`, in the pupil's language.
    static QString activityCaption(int slot);
    void label6Click();
    void command1Click();
    void connectEntry(Label* entry);
    Label* makeEntry(const QString& name, int left, const QString& caption);
    void handOver(const QString& screen);

    Label* m_label1;
    Label* m_label4;
    Label* m_label6;
    ImageBox* m_image2;
    PictureButton* m_command1;
    ControlArray<Label> m_label2;
    ControlArray<Label> m_label5;
};
