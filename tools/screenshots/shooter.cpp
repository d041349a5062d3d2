#include "shooter.h"

#include <QApplication>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QTimer>
#include <QWidget>

namespace shots {

namespace {

// The content with a caption bar on top, so the caption shows in the PNG.
QImage framed(QWidget* top) {
    QPixmap content = top->grab();
    QFont f = top->font();
    f.setBold(true);
    const int bar = QFontMetrics(f).height() + 10;
    QImage img(content.width() + 2, content.height() + bar + 1, QImage::Format_RGB32);
    img.fill(QColor(0x40, 0x40, 0x40));
    QPainter p(&img);
    p.fillRect(1, 1, content.width(), bar - 1, QColor(0x1f, 0x4e, 0x8c));
    p.setPen(Qt::white);
    p.setFont(f);
    p.drawText(QRect(8, 1, content.width() - 16, bar - 1), Qt::AlignVCenter | Qt::AlignLeft, top->windowTitle());
    p.drawPixmap(1, bar, content);
    return img;
}

void endWindow(fw::Window& w) {
    if (auto* s = dynamic_cast<fw::PropertySheet*>(&w)) s->EndDialog(IDCANCEL);
    else if (auto* d = dynamic_cast<fw::Dialog*>(&w)) d->EndDialog(IDCANCEL);
}

}  // namespace

Shooter::Shooter(fwqt::QtBackend& backend, std::filesystem::path folder)
    : m_backend(backend), m_folder(std::move(folder)) {
    std::filesystem::create_directories(m_folder);
}

void Shooter::arm(const std::string& name, std::function<void(fw::Window&)> fill) {
    m_took = false;
    m_backend.setShownHook([this, name, fill](fw::Window& w, QWidget* top) {
        // Clearing the hook destroys this closure: take what the timer needs first.
        Shooter* self = this;
        auto shot = [self, name = name, fill = fill, &w, top] {
            try {
                if (fill) fill(w);
            } catch (const std::exception& e) {
                self->m_failures.push_back(name + ": the scene threw: " + e.what());
            }
            top->adjustSize();
            for (int i = 0; i < 3; ++i) QApplication::processEvents();
            const auto file = self->m_folder / (name + ".png");
            if (framed(top).save(QString::fromStdString(file.string()))) ++self->m_saved;
            else self->m_failures.push_back(name + ": cannot write " + file.string());
            self->m_took = true;
            endWindow(w);
        };
        self->m_backend.setShownHook({});   // nested windows of a scene are not shot
        QTimer::singleShot(0, top, std::move(shot));
    });
}

void Shooter::run(const std::string& name, const std::function<int()>& doModal) {
    try {
        doModal();
    } catch (const std::exception& e) {
        m_failures.push_back(name + ": " + e.what());
    }
    m_backend.setShownHook({});
    if (!m_took) m_failures.push_back(name + ": the window never came up");
}

void Shooter::shoot(const std::string& name, fw::Dialog& d, std::function<void(fw::Dialog&)> fill) {
    arm(name, [fill](fw::Window& w) {
        if (fill) fill(static_cast<fw::Dialog&>(w));
    });
    run(name, [&] { return d.DoModal(); });
}

void Shooter::shoot(const std::string& name, fw::PropertySheet& s, std::function<void(fw::PropertySheet&)> fill) {
    arm(name, [fill](fw::Window& w) {
        if (fill) fill(static_cast<fw::PropertySheet&>(w));
    });
    run(name, [&] { return s.DoModal(); });
}

void Shooter::save(const std::string& name, const QImage& image) {
    const auto file = m_folder / (name + ".png");
    if (!image.isNull() && image.save(QString::fromStdString(file.string()))) ++m_saved;
    else m_failures.push_back(name + ": cannot write " + file.string());
}

}  // namespace shots
