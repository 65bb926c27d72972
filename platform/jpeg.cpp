// JPEG writing through libjpeg-turbo: the picture's rows go to the encoder as they lie in
// memory (no copy of a large picture), and the compressed bytes to a save file by blocks.
#include <QIODevice>
#include <QSysInfo>
#include <algorithm>
#include <csetjmp>
#include <cstdio>
#include <memory>

#include "platform/bytefile.h"
#include "platform/ecriture_image.h"

extern "C" {
#include <jpeglib.h>
#include <jerror.h>
}

namespace EcritureImage {
namespace {

constexpr int kBloc = 1 << 16;

// The encoder's errors come back through a long jump to the one place that set it.
struct Erreurs {
    jpeg_error_mgr mgr;
    std::jmp_buf retour;
    char message[JMSG_LENGTH_MAX];
};

void sortie_erreur(j_common_ptr cinfo) {
    Erreurs* e = reinterpret_cast<Erreurs*>(cinfo->err);
    (*cinfo->err->format_message)(cinfo, e->message);
    std::longjmp(e->retour, 1);
}

// Compressed bytes go to the device by blocks; a short write stops the encoder.
struct Destination {
    jpeg_destination_mgr mgr;
    QIODevice* device;
    bool echec;
    JOCTET tampon[kBloc];
};

void debut(j_compress_ptr cinfo) {
    Destination* d = reinterpret_cast<Destination*>(cinfo->dest);
    d->mgr.next_output_byte = d->tampon;
    d->mgr.free_in_buffer = kBloc;
}

boolean bloc_plein(j_compress_ptr cinfo) {
    Destination* d = reinterpret_cast<Destination*>(cinfo->dest);
    if (d->device->write(reinterpret_cast<const char*>(d->tampon), kBloc) != kBloc) {
        d->echec = true;
        ERREXIT(cinfo, JERR_FILE_WRITE);
    }
    debut(cinfo);
    return TRUE;
}

void fin(j_compress_ptr cinfo) {
    Destination* d = reinterpret_cast<Destination*>(cinfo->dest);
    const qint64 n = qint64(kBloc - d->mgr.free_in_buffer);
    if (n > 0 && d->device->write(reinterpret_cast<const char*>(d->tampon), n) != n) {
        d->echec = true;
        ERREXIT(cinfo, JERR_FILE_WRITE);
    }
}

// Encodes the picture (32-bit RGB) into the device; false with the encoder's message.
// Only plain data lives here, so that the long jump of an error skips no destructor.
bool encoder(const QImage& image, QIODevice& device, int qualite, Destination& destination, char* message) {
    jpeg_compress_struct cinfo;
    Erreurs erreurs;
    cinfo.err = jpeg_std_error(&erreurs.mgr);
    erreurs.mgr.error_exit = sortie_erreur;
    erreurs.message[0] = '\0';
    if (setjmp(erreurs.retour)) {
        std::snprintf(message, JMSG_LENGTH_MAX, "%s", erreurs.message);
        jpeg_destroy_compress(&cinfo);
        return false;
    }
    jpeg_create_compress(&cinfo);
    destination.mgr.init_destination = debut;
    destination.mgr.empty_output_buffer = bloc_plein;
    destination.mgr.term_destination = fin;
    destination.device = &device;
    destination.echec = false;
    cinfo.dest = &destination.mgr;
    cinfo.image_width = JDIMENSION(image.width());
    cinfo.image_height = JDIMENSION(image.height());
    cinfo.input_components = 4;
    // 32-bit RGB lies in memory as B, G, R, x on a little-endian machine, x, R, G, B otherwise.
    cinfo.in_color_space = QSysInfo::ByteOrder == QSysInfo::LittleEndian ? JCS_EXT_BGRX : JCS_EXT_XRGB;
    jpeg_set_defaults(&cinfo);
    jpeg_set_quality(&cinfo, std::clamp(qualite, 0, 100), TRUE);
    if (qualite >= 90) {
        // Every pixel keeps its own colour: no chroma shared over 2 x 2 pixels.
        for (int c = 0; c < cinfo.num_components; ++c) {
            cinfo.comp_info[c].h_samp_factor = 1;
            cinfo.comp_info[c].v_samp_factor = 1;
        }
    }
    jpeg_start_compress(&cinfo, TRUE);
    while (cinfo.next_scanline < cinfo.image_height) {
        JSAMPROW ligne = const_cast<JSAMPROW>(image.constScanLine(int(cinfo.next_scanline)));
        jpeg_write_scanlines(&cinfo, &ligne, 1);
    }
    jpeg_finish_compress(&cinfo);
    jpeg_destroy_compress(&cinfo);
    return true;
}

} // namespace

bool jpeg(const QImage& image, const QString& chemin, int qualite, QString* raison) {
    const auto echec = [raison](const QString& r) {
        if (raison) *raison = r;
        return false;
    };
    if (image.isNull()) return echec(QStringLiteral("no picture to write"));
    // Any other layout (grey, indexed, with transparency) is converted once.
    const QImage source = image.format() == QImage::Format_RGB32 ? image : image.convertToFormat(QImage::Format_RGB32);
    if (source.isNull()) return echec(QStringLiteral("not enough memory for the picture"));
    return ByteFile::write(
        chemin,
        [&](QIODevice& d, QString& motif) {
            char message[JMSG_LENGTH_MAX] = {};
            const auto destination = std::make_unique<Destination>();
            if (encoder(source, d, qualite, *destination, message)) return true;
            motif = QString::fromLocal8Bit(message);
            return false;
        },
        raison);
}

} // namespace EcritureImage
