#include "einvoice/pdf/FacturxXmp.h"

namespace {

const char* const FacturxNamespace = "urn:factur-x:pdfa:CrossIndustryDocument:invoice:1p0#";

QString escaped(const QString& text)
{
    return text.toHtmlEscaped();
}

struct PropertyDescription
{
    const char* name;
    const char* description;
};

// Every fx: property named in the extension schema, so that a PDF/A reader knows their types.
QString extensionSchema()
{
    static const PropertyDescription properties[] = {
        {"DocumentFileName", "The name of the embedded XML document"},
        {"DocumentType", "The type of the hybrid document in capital letters, e.g. INVOICE or ORDER"},
        {"Version", "The actual version of the standard applying to the embedded XML document"},
        {"ConformanceLevel", "The conformance level of the embedded XML document"},
    };
    QString items;
    for (const PropertyDescription& property : properties)
        items += QStringLiteral("       <rdf:li rdf:parseType=\"Resource\">\n"
                                "        <pdfaProperty:name>%1</pdfaProperty:name>\n"
                                "        <pdfaProperty:valueType>Text</pdfaProperty:valueType>\n"
                                "        <pdfaProperty:category>external</pdfaProperty:category>\n"
                                "        <pdfaProperty:description>%2</pdfaProperty:description>\n"
                                "       </rdf:li>\n")
                     .arg(QLatin1String(property.name), QLatin1String(property.description));
    return QStringLiteral("  <rdf:Description rdf:about=\"\"\n"
                          "    xmlns:pdfaExtension=\"http://www.aiim.org/pdfa/ns/extension/\"\n"
                          "    xmlns:pdfaSchema=\"http://www.aiim.org/pdfa/ns/schema#\"\n"
                          "    xmlns:pdfaProperty=\"http://www.aiim.org/pdfa/ns/property#\">\n"
                          "   <pdfaExtension:schemas>\n"
                          "    <rdf:Bag>\n"
                          "     <rdf:li rdf:parseType=\"Resource\">\n"
                          "      <pdfaSchema:schema>Factur-X PDFA Extension Schema</pdfaSchema:schema>\n"
                          "      <pdfaSchema:namespaceURI>%1</pdfaSchema:namespaceURI>\n"
                          "      <pdfaSchema:prefix>fx</pdfaSchema:prefix>\n"
                          "      <pdfaSchema:property>\n"
                          "      <rdf:Seq>\n%2"
                          "      </rdf:Seq>\n"
                          "      </pdfaSchema:property>\n"
                          "     </rdf:li>\n"
                          "    </rdf:Bag>\n"
                          "   </pdfaExtension:schemas>\n"
                          "  </rdf:Description>\n")
        .arg(QLatin1String(FacturxNamespace), items);
}

QString documentDescription(const FacturxXmp::Fields& fields)
{
    const QString date = FacturxXmp::xmpDate(fields.created);
    return QStringLiteral(
               "  <rdf:Description rdf:about=\"\" xmlns:pdfaid=\"http://www.aiim.org/pdfa/ns/id/\">\n"
               "   <pdfaid:part>3</pdfaid:part>\n"
               "   <pdfaid:conformance>B</pdfaid:conformance>\n"
               "  </rdf:Description>\n"
               "  <rdf:Description rdf:about=\"\" xmlns:dc=\"http://purl.org/dc/elements/1.1/\">\n"
               "   <dc:format>application/pdf</dc:format>\n"
               "   <dc:title><rdf:Alt><rdf:li xml:lang=\"x-default\">%1</rdf:li></rdf:Alt></dc:title>\n"
               "   <dc:creator><rdf:Seq><rdf:li>%2</rdf:li></rdf:Seq></dc:creator>\n"
               "  </rdf:Description>\n"
               "  <rdf:Description rdf:about=\"\" xmlns:pdf=\"http://ns.adobe.com/pdf/1.3/\">\n"
               "   <pdf:Producer>%3</pdf:Producer>\n"
               "  </rdf:Description>\n"
               "  <rdf:Description rdf:about=\"\" xmlns:xmp=\"http://ns.adobe.com/xap/1.0/\">\n"
               "   <xmp:CreatorTool>%4</xmp:CreatorTool>\n"
               "   <xmp:CreateDate>%5</xmp:CreateDate>\n"
               "   <xmp:ModifyDate>%5</xmp:ModifyDate>\n"
               "  </rdf:Description>\n")
        .arg(escaped(fields.title), escaped(fields.author), escaped(fields.producer),
             escaped(fields.creatorTool), date);
}

QString facturxDescription(const FacturxXmp::Fields& fields)
{
    return QStringLiteral("  <rdf:Description rdf:about=\"\" xmlns:fx=\"%1\">\n"
                          "   <fx:DocumentType>INVOICE</fx:DocumentType>\n"
                          "   <fx:DocumentFileName>%2</fx:DocumentFileName>\n"
                          "   <fx:Version>1.0</fx:Version>\n"
                          "   <fx:ConformanceLevel>%3</fx:ConformanceLevel>\n"
                          "  </rdf:Description>\n")
        .arg(QLatin1String(FacturxNamespace), escaped(fields.fileName), escaped(fields.conformance));
}

} // namespace

QByteArray FacturxXmp::packet(const Fields& fields)
{
    const QString body = documentDescription(fields) + facturxDescription(fields) + extensionSchema();
    // The begin attribute holds a byte order mark, as the packet format asks.
    return QByteArrayLiteral("<?xpacket begin=\"\xEF\xBB\xBF\" id=\"W5M0MpCehiHzreSzNTczkc9d\"?>\n"
                             "<x:xmpmeta xmlns:x=\"adobe:ns:meta/\">\n"
                             " <rdf:RDF xmlns:rdf=\"http://www.w3.org/1999/02/22-rdf-syntax-ns#\">\n") +
           body.toUtf8() + QByteArrayLiteral(" </rdf:RDF>\n</x:xmpmeta>\n<?xpacket end=\"w\"?>");
}

QString FacturxXmp::xmpDate(const QDateTime& when)
{
    return when.toUTC().toString(QStringLiteral("yyyy-MM-ddTHH:mm:ss")) + QStringLiteral("+00:00");
}

QString FacturxXmp::pdfDate(const QDateTime& when)
{
    return QStringLiteral("D:") + when.toUTC().toString(QStringLiteral("yyyyMMddHHmmss")) +
           QStringLiteral("+00'00'");
}
