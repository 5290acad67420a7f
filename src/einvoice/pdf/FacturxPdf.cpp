#include "einvoice/pdf/FacturxPdf.h"

#include "einvoice/pdf/FacturxXmp.h"

#include <QCoreApplication>

#ifdef TALLYWICK_HAVE_QPDF
#include <exception>
#include <qpdf/Buffer.hh>
#include <qpdf/QPDF.hh>
#include <qpdf/QPDFPageDocumentHelper.hh>
#include <qpdf/QPDFWriter.hh>

namespace {

using Handle = QPDFObjectHandle;

constexpr int PrintFlag = 4;

std::string text(const QString& value)
{
    return value.toStdString();
}

Handle name(const char* value)
{
    return Handle::newName(value);
}

constexpr char Producer[] = "Tallywick";

// The XML as an embedded file stream inside its /Filespec dictionary.
Handle attachment(QPDF& pdf, const FacturxPdf::Input& input)
{
    Handle params = Handle::newDictionary();
    params.replaceKey("/ModDate", Handle::newString(text(FacturxXmp::pdfDate(input.created))));
    params.replaceKey("/Size", Handle::newInteger(input.xml.size()));
    Handle file = pdf.newStream(input.xml.toStdString());
    file.getDict().replaceKey("/Type", name("/EmbeddedFile"));
    file.getDict().replaceKey("/Subtype", name("/text/xml"));
    file.getDict().replaceKey("/Params", params);

    Handle streams = Handle::newDictionary();
    streams.replaceKey("/F", file);
    streams.replaceKey("/UF", file);
    Handle fileEntry = Handle::newDictionary();
    fileEntry.replaceKey("/Type", name("/Filespec"));
    fileEntry.replaceKey("/F", Handle::newString(FacturxPdf::AttachmentName));
    fileEntry.replaceKey("/UF", Handle::newUnicodeString(FacturxPdf::AttachmentName));
    fileEntry.replaceKey("/Desc", Handle::newString("Factur-X invoice"));
    fileEntry.replaceKey("/AFRelationship", name("/Alternative"));
    fileEntry.replaceKey("/EF", streams);
    return pdf.makeIndirectObject(fileEntry);
}

void attach(QPDF& pdf, Handle root, const FacturxPdf::Input& input)
{
    Handle fileEntry = attachment(pdf, input);
    root.replaceKey("/AF", Handle::newArray({fileEntry}));
    Handle names = root.getKey("/Names");
    if (!names.isDictionary()) {
        names = Handle::newDictionary();
        root.replaceKey("/Names", names);
    }
    Handle tree = Handle::newDictionary();
    tree.replaceKey("/Names", Handle::newArray({Handle::newString(FacturxPdf::AttachmentName), fileEntry}));
    names.replaceKey("/EmbeddedFiles", tree);
}

void addOutputIntent(QPDF& pdf, Handle root, const QByteArray& profile)
{
    Handle icc = pdf.newStream(profile.toStdString());
    icc.getDict().replaceKey("/N", Handle::newInteger(3));
    Handle intent = Handle::newDictionary();
    intent.replaceKey("/Type", name("/OutputIntent"));
    intent.replaceKey("/S", name("/GTS_PDFA1"));
    intent.replaceKey("/OutputConditionIdentifier", Handle::newString("sRGB IEC61966-2.1"));
    intent.replaceKey("/Info", Handle::newString("sRGB IEC61966-2.1"));
    intent.replaceKey("/RegistryName", Handle::newString("http://www.color.org"));
    intent.replaceKey("/DestOutputProfile", icc);
    root.replaceKey("/OutputIntents", Handle::newArray({pdf.makeIndirectObject(intent)}));
}

// The Info dictionary and the XMP packet say the same, as PDF/A requires.
void describe(QPDF& pdf, Handle root, const FacturxPdf::Input& input)
{
    const QString date = FacturxXmp::pdfDate(input.created);
    Handle info = Handle::newDictionary();
    info.replaceKey("/Title", Handle::newUnicodeString(text(input.title)));
    info.replaceKey("/Author", Handle::newUnicodeString(text(input.author)));
    info.replaceKey("/Creator", Handle::newString(Producer));
    info.replaceKey("/Producer", Handle::newString(Producer));
    info.replaceKey("/CreationDate", Handle::newString(text(date)));
    info.replaceKey("/ModDate", Handle::newString(text(date)));
    pdf.getTrailer().replaceKey("/Info", pdf.makeIndirectObject(info));

    const FacturxXmp::Fields fields{input.title,
                                    input.author,
                                    QString::fromLatin1(Producer),
                                    QString::fromLatin1(Producer),
                                    input.created,
                                    QString::fromLatin1(FacturxPdf::AttachmentName),
                                    input.conformance};
    Handle metadata = pdf.newStream(FacturxXmp::packet(fields).toStdString());
    metadata.getDict().replaceKey("/Type", name("/Metadata"));
    metadata.getDict().replaceKey("/Subtype", name("/XML"));
    root.replaceKey("/Metadata", metadata);
}

// PDF/A wants every annotation printed and shown, and no actions run on their own.
void makeAnnotationsPrintable(QPDF& pdf)
{
    for (QPDFPageObjectHelper& page : QPDFPageDocumentHelper(pdf).getAllPages()) {
        for (QPDFAnnotationObjectHelper& annotation : page.getAnnotations()) {
            Handle dict = annotation.getObjectHandle();
            dict.replaceKey("/F", Handle::newInteger(PrintFlag));
            dict.removeKey("/AA");
        }
        page.getObjectHandle().removeKey("/AA");
    }
}

bool hasFontFile(Handle font)
{
    if (font.getKey("/Subtype").isNameAndEquals("/Type3"))
        return true;
    if (font.getKey("/Subtype").isNameAndEquals("/Type0")) {
        Handle descendants = font.getKey("/DescendantFonts");
        return descendants.isArray() && descendants.getArrayNItems() == 1 &&
               hasFontFile(descendants.getArrayItem(0));
    }
    Handle descriptor = font.getKey("/FontDescriptor");
    return descriptor.isDictionary() && (descriptor.hasKey("/FontFile") || descriptor.hasKey("/FontFile2") ||
                                         descriptor.hasKey("/FontFile3"));
}

// Interpolated images are not allowed in PDF/A; the fonts must all be inside the file.
QString prepareObjects(QPDF& pdf)
{
    for (Handle object : pdf.getAllObjects()) {
        Handle dict = object.isStream() ? object.getDict() : object;
        if (!dict.isDictionary())
            continue;
        if (dict.getKey("/Subtype").isNameAndEquals("/Image"))
            dict.removeKey("/Interpolate");
        if (dict.getKey("/Type").isNameAndEquals("/Font") &&
            !dict.getKey("/Subtype").isNameAndEquals("/CIDFontType2") &&
            !dict.getKey("/Subtype").isNameAndEquals("/CIDFontType0") && !hasFontFile(dict))
            return QCoreApplication::translate("FacturxPdf",
                                               "The printed page uses the font %1, which is not "
                                               "embedded in it.")
                .arg(QString::fromStdString(dict.getKey("/BaseFont").isName()
                                                ? dict.getKey("/BaseFont").getName()
                                                : std::string("?")));
    }
    return {};
}

QByteArray written(QPDF& pdf)
{
    QPDFWriter writer(pdf);
    writer.setOutputMemory();
    writer.setPreserveEncryption(false);
    writer.setMinimumPDFVersion("1.7");
    writer.setDeterministicID(true);
    writer.write();
    const std::shared_ptr<Buffer> buffer = writer.getBufferSharedPointer();
    return QByteArray(reinterpret_cast<const char*>(buffer->getBuffer()), qsizetype(buffer->getSize()));
}

FacturxPdf::Result convert(const FacturxPdf::Input& input)
{
    QPDF pdf;
    pdf.setSuppressWarnings(true);
    pdf.processMemoryFile("page.pdf", input.pdf.constData(), size_t(input.pdf.size()));
    if (const QString fault = prepareObjects(pdf); !fault.isEmpty())
        return {false, {}, fault};
    Handle root = pdf.getRoot();
    makeAnnotationsPrintable(pdf);
    attach(pdf, root, input);
    addOutputIntent(pdf, root, input.iccProfile);
    describe(pdf, root, input);
    return {true, written(pdf), {}};
}

} // namespace

FacturxPdf::Result FacturxPdf::make(const Input& input)
{
    // The library reports faults by exceptions; they end here as a message.
    try {
        return convert(input);
    } catch (const std::exception& fault) {
        return {false,
                {},
                QCoreApplication::translate("FacturxPdf", "The e-invoice PDF could not be made: %1")
                    .arg(QString::fromLocal8Bit(fault.what()))};
    }
}

#else

FacturxPdf::Result FacturxPdf::make(const Input&)
{
    return {false,
            {},
            QCoreApplication::translate("FacturxPdf", "This build cannot write e-invoice PDFs (it was built "
                                                      "without libqpdf).")};
}

#endif
