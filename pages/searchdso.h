#pragma once

#include "base/nullable.h"
#include "catalog/icatalogsettings.h"
#include "pages/isearchdso.h"

#include <memory>

namespace Ko {

class IAstroCalc;
class IAstroDatabase;
class IAstroFormat;
class ICatalogSettings;
class IMountConnection;
class IShortMessageSink;

// Threads: main thread only.
class SearchDSO : public ISearchDSO {
    Q_OBJECT
public:
    SearchDSO(std::shared_ptr<IAstroDatabase> database, std::shared_ptr<IAstroFormat> format,
              std::shared_ptr<IAstroCalc> astroCalc,
              std::shared_ptr<IMountConnection> mountConnection,
              std::shared_ptr<ICatalogSettings> catalogSettings,
              std::shared_ptr<IShortMessageSink> messages);

    void refresh() override;
    AstroObj getAstroObj() override;
    void startGoTo() override;
    DeepSkyCatalog_::E dsoType() const override { return m_dsoType; }
    void setDsoType(DeepSkyCatalog_::E type) override;
    int numberID() const override { return m_numberID; }
    void setNumberID(int number) override;
    AstroListUIItem show() const override { return m_show; }
    bool searchSuccess() const override { return m_found.hasValue(); }
    bool slewToOk() const override;
    QVariant slewToProhibitionVariant() const override;

    struct Result {
        AstroObj obj;
        // Azimuth and altitude (AZTrue) at the search.
        CoordPair azAlt;
        Nullable<SlewToProhibition_::E> prohibition;
    };

private:
    Nullable<Result> lookup() const;

    const std::shared_ptr<IAstroDatabase> m_database;
    const std::shared_ptr<IAstroFormat> m_format;
    const std::shared_ptr<IAstroCalc> m_astroCalc;
    const std::shared_ptr<IMountConnection> m_mountConnection;
    const std::shared_ptr<ICatalogSettings> m_catalogSettings;
    const std::shared_ptr<IShortMessageSink> m_messages;
    DeepSkyCatalog_::E m_dsoType = DeepSkyCatalog_::IdM;
    int m_numberID = -1;
    Nullable<Result> m_found;
    AstroListUIItem m_show;
};

} // namespace Ko
