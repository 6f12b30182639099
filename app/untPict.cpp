#include "untPict.h"

#include <QSvgWidget>
#include <functional>

namespace taldor::app {

namespace {

// The natural sizes of the drawings, in pixels at 96 pixels per inch.
const QSize kLarge(714, 371);
const QSize kSmall(698, 336);

struct Factory {
    const char* windowClass;
    std::function<TfrmPict*(QWidget*)> create;
};

template <typename T>
Factory Make() {
    return {T::staticMetaObject.className(), [](QWidget* parent) { return new T(parent); }};
}

}  // namespace

const std::vector<PictureSpec>& PictureSpecs() {
    static const std::vector<PictureSpec> specs = {
        {"TfrmPictPVC1", "Problem of the confined vortex (vertical cut view)",
         ":/pictures/PVC1.svg", kSmall},
        {"TfrmPictPVC2", "Problem of the confined vortex (vertical cut view)",
         ":/pictures/PVC2.svg", kSmall},
        {"TfrmPictPEn", "Problem of the step (vertical cut view)", ":/pictures/PEn.svg", kLarge},
        {"TfrmPictPCZ", "Problem of the plunging jet (vertical cut view)", ":/pictures/PCZ.svg",
         kLarge},
        {"TfrmPictPAC", "Problem of the wide culvert (vertical cut view)", ":/pictures/PAC.svg",
         kLarge},
        {"TfrmPictPEs1", "Problem of the spur dike/abutment (plan view)", ":/pictures/PEs1.svg",
         kSmall},
        {"TfrmPictPES2", "Problem of the spur dike/abutment (plan view)", ":/pictures/PES2.svg",
         kLarge},
        {"TfrmPictPEP", "Problem of the protected spur dike/abutment (plan view)",
         ":/pictures/PEP.svg", kLarge},
        {"TfrmPictPPi", "Problem of the bridge pier (vertical cut view)", ":/pictures/PPi.svg",
         kLarge},
        {"TfrmPictPAG", "Problem of the narrow culvert (plan view)", ":/pictures/PAG.svg", kLarge},
    };
    return specs;
}

const PictureSpec* FindPictureSpec(const QString& windowClass) {
    for (const PictureSpec& spec : PictureSpecs())
        if (windowClass == QLatin1String(spec.windowClass)) return &spec;
    return nullptr;
}

TfrmPict* CreatePictureWindow(const QString& windowClass, QWidget* parent) {
    static const Factory factories[] = {
        Make<TfrmPictPVC1>(), Make<TfrmPictPVC2>(), Make<TfrmPictPEn>(),  Make<TfrmPictPCZ>(),
        Make<TfrmPictPAC>(),  Make<TfrmPictPEs1>(), Make<TfrmPictPES2>(), Make<TfrmPictPEP>(),
        Make<TfrmPictPPi>(),  Make<TfrmPictPAG>(),
    };
    for (const Factory& factory : factories)
        if (windowClass == QLatin1String(factory.windowClass)) return factory.create(parent);
    return nullptr;
}

}  // namespace taldor::app

TfrmPict::TfrmPict(const char* windowClass, QWidget* parent)
    : QWidget(parent),
      m_spec(*taldor::app::FindPictureSpec(QLatin1String(windowClass))),
      m_drawing(new QSvgWidget(QString::fromLatin1(m_spec.resource), this)) {
    // The object name without the class prefix "T", as the window's own name.
    setObjectName(QString::fromLatin1(windowClass).mid(1));
    setWindowTitle(QString::fromUtf8(m_spec.caption));
    m_drawing->setObjectName(QStringLiteral("imgPicture"));
    m_drawing->setGeometry(QRect(QPoint(0, 0), m_spec.size));
    setFixedSize(m_spec.size);
}

TfrmPictPVC1::TfrmPictPVC1(QWidget* parent) : TfrmPict(staticMetaObject.className(), parent) {}
TfrmPictPVC2::TfrmPictPVC2(QWidget* parent) : TfrmPict(staticMetaObject.className(), parent) {}
TfrmPictPEn::TfrmPictPEn(QWidget* parent) : TfrmPict(staticMetaObject.className(), parent) {}
TfrmPictPCZ::TfrmPictPCZ(QWidget* parent) : TfrmPict(staticMetaObject.className(), parent) {}
TfrmPictPAC::TfrmPictPAC(QWidget* parent) : TfrmPict(staticMetaObject.className(), parent) {}
TfrmPictPEs1::TfrmPictPEs1(QWidget* parent) : TfrmPict(staticMetaObject.className(), parent) {}
TfrmPictPES2::TfrmPictPES2(QWidget* parent) : TfrmPict(staticMetaObject.className(), parent) {}
TfrmPictPEP::TfrmPictPEP(QWidget* parent) : TfrmPict(staticMetaObject.className(), parent) {}
TfrmPictPPi::TfrmPictPPi(QWidget* parent) : TfrmPict(staticMetaObject.className(), parent) {}
TfrmPictPAG::TfrmPictPAG(QWidget* parent) : TfrmPict(staticMetaObject.className(), parent) {}
