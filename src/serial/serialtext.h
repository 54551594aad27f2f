#pragma once

#include <QString>

// The serial link's user-visible texts.
namespace SerialText {

// ClosePortForExit: the transmit queue did not drain.
inline const QString DataCannotBeSent = QStringLiteral("Data cannot be sent");
// Added to a permission error when the port opens.
inline const QString DeviceAccessHint =
    QStringLiteral("L'utente deve essere autorizzato a usare il dispositivo "
                   "(ad esempio come membro del gruppo dialout).");
inline const QString BadPortNumber = QStringLiteral("Numero di porta non valido: %1");
inline const QString BadSettings = QStringLiteral("Impostazioni della linea non valide: %1");
inline const QString PortNotOpen = QStringLiteral("La porta non è aperta");

} // namespace SerialText
