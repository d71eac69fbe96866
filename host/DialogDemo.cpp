// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#include "DialogDemo.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QPixmap>
#include <QPointer>
#include <QTimer>

#include "BlockJson.h"
#include "DemoStore.h"

namespace tarvelo::host {

namespace {

constexpr int kPollMs = 20;

// Symbol dialogs are named after their template number; anything else that
// turns modal is one of the module's message boxes.
bool isSymbolDialog(const QWidget& widget)
{
    bool numeric = false;
    widget.objectName().toUInt(&numeric);
    return numeric;
}

void closeModal(QWidget& modal)
{
    if (auto* dialog = qobject_cast<QDialog*>(&modal))
        dialog->reject();
    else
        modal.close();
}

// Watches for the dialog of one entry point call from inside its modal loop.
class DialogDriver {
public:
    enum class Stage { Waiting, Settling, Accepted, Failed };

    DialogDriver(QString screenshot, int timeoutMs, std::ostream& log)
        : m_screenshot(std::move(screenshot)), m_timeoutMs(timeoutMs), m_log(log)
    {
        QObject::connect(&m_timer, &QTimer::timeout, [this] { tick(); });
        m_clock.start();
        m_timer.start(kPollMs);
    }

    [[nodiscard]] Stage stage() const { return m_stage; }

private:
    void tick()
    {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal != nullptr && !isSymbolDialog(*modal)) {
            QString text = modal->windowTitle();
            if (auto* box = qobject_cast<QMessageBox*>(modal))
                text += QStringLiteral(": ") + box->text();
            m_log << "  сообщение модуля закрыто: " << text.toStdString() << '\n';
            closeModal(*modal);
            return;
        }
        switch (m_stage) {
        case Stage::Waiting:
            // One more tick before the picture, for whatever the dialog posts to itself on showing.
            if (modal != nullptr) {
                m_dialog = modal;
                m_stage = Stage::Settling;
            }
            break;
        case Stage::Settling:
            if (modal != nullptr)
                photographAndAccept(*modal);
            break;
        case Stage::Accepted:
            if (modal != nullptr && modal == m_dialog && m_clock.elapsed() > m_timeoutMs) {
                m_log << "  диалог не закрылся после нажатия кнопки «1»; он закрыт отменой\n";
                fail(*modal);
            }
            break;
        case Stage::Failed:
            break;
        }
    }

    void photographAndAccept(QWidget& dialog)
    {
        if (!dialog.grab().save(m_screenshot, "PNG")) {
            m_log << "  не удалось сохранить снимок «" << m_screenshot.toStdString() << "»\n";
            fail(dialog);
            return;
        }
        auto* accept = dialog.findChild<QAbstractButton*>(QStringLiteral("1"));
        if (accept == nullptr || !accept->isEnabled()) {
            m_log << "  у диалога нет доступной кнопки «1»; он закрыт отменой\n";
            fail(dialog);
            return;
        }
        m_stage = Stage::Accepted;
        m_clock.restart();
        accept->click();
    }

    void fail(QWidget& dialog)
    {
        m_stage = Stage::Failed;
        closeModal(dialog);
    }

    QString m_screenshot;
    int m_timeoutMs;
    std::ostream& m_log;
    QTimer m_timer;
    QElapsedTimer m_clock;
    QPointer<QWidget> m_dialog;
    Stage m_stage = Stage::Waiting;
};

}  // namespace

DialogDemo::DialogDemo(SymbolModule& module, hostcad::IDrawingDatabase* drawing, std::ostream& out,
                       std::ostream& log)
    : m_module(module), m_drawing(drawing), m_out(out), m_log(log)
{
}

bool DialogDemo::run(const QString& folder, const std::vector<std::size_t>& kinds,
                     GEOTYPE_DEFINITION::IGeoBlock* incoming)
{
    const QString absolute = QDir(folder).absolutePath();
    if (!QDir().mkpath(absolute)) {
        m_log << "Не удалось создать папку «" << absolute.toStdString() << "» для снимков диалогов.\n";
        return false;
    }
    const DemoStore store;
    if (!store.isActive())
        m_log << "Не удалось создать временное хранилище параметров; показ идёт с параметрами пользователя.\n";
    bool allShown = true;
    for (const std::size_t kind : kinds)
        allShown = runOne(absolute, kind, incoming) && allShown;
    m_log << "Снимки диалогов сохранены в папке «" << absolute.toStdString() << "».\n";
    m_log.flush();
    return allShown;
}

bool DialogDemo::runOne(const QString& folder, std::size_t kind, GEOTYPE_DEFINITION::IGeoBlock* incoming)
{
    const char* shortName = module::kSymbolKinds[kind].shortName;
    const QString screenshot = folder + QLatin1Char('/') + QString::fromLatin1(shortName) + ".png";
    m_log << "«" << symbolCaptionUtf8(kind) << "» (" << shortName << "):\n";
    m_log.flush();

    DialogDriver driver(screenshot, m_timeoutMs, m_log);
    BlockPtr block = m_module.edit(kind, 0, m_drawing, incoming);
    const DialogDriver::Stage stage = driver.stage();

    if (stage == DialogDriver::Stage::Waiting || stage == DialogDriver::Stage::Settling)
        m_log << "  диалог не открылся или закрылся раньше снимка\n";
    else if (stage == DialogDriver::Stage::Accepted)
        m_log << "  снимок " << shortName << ".png, диалог принят\n";
    if (block) {
        m_out << blockToJson(*block);
        m_out.flush();
        if (m_keepBlocks)
            m_blocks.push_back(std::move(block));
    } else {
        m_log << "  модуль не вернул блок\n";
    }
    return stage == DialogDriver::Stage::Accepted;
}

}  // namespace tarvelo::host
