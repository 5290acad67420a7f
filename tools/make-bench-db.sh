#!/bin/sh
# Builds the databases the start-up and list benchmarks read: an empty one and ones holding 10,000
# and 100,000 documents of 10 rows each, written into OUTDIR (default: bench-data in the build tree).
# Usage: tools/make-bench-db.sh BUILD_DIR [OUTDIR]
set -eu
build=${1:?usage: make-bench-db.sh BUILD_DIR [OUTDIR]}
out=${2:-$build/bench-data}
cli=$build/src/tallywick-cli
mkdir -p "$out"
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
# The program itself creates the file, so the benchmarks read exactly its tables and indexes.
XDG_DATA_HOME=$home HOME=$home QT_QPA_PLATFORM=offscreen "$cli" list >/dev/null 2>&1
empty=$(find "$home" -name tallywick.mdb)
for count in 0 10000 100000; do
    target=$out/docs-$count.mdb
    rm -f "$target"
    cp "$empty" "$target"
    python3 - "$target" "$count" <<'PY'
import datetime, random, sqlite3, sys
path, count = sys.argv[1], int(sys.argv[2])
random.seed(count)
types = ["Invoice", "Quotation", "Receipt", "Delivery Order", "Credit Note"]
customers = ["Customer %d" % i for i in range(2000)]
db = sqlite3.connect(path)
start = datetime.date(2015, 1, 1)
rows = []
for doc in range(count):
    day = (start + datetime.timedelta(days=random.randrange(3650))).isoformat()
    customer = random.choice(customers)
    address = "%d Market Street\r\nTown %d" % (random.randrange(500), random.randrange(50))
    kind = random.choice(types)
    total = round(random.uniform(10, 5000), 2)
    for row in range(10):
        rows.append((customer, address, "INV-%06d" % doc, day, "C.O.D.", row + 1, "P%04d" % random.randrange(9999),
                     "Item %d of document %d" % (row + 1, doc), 2, 12.5, 0, 25, day, "", 0, total, "No", "",
                     "No", "No", "No", kind, 0, "Delivery", "No", "No", "Ship To:", "", "", "To:"))
db.executemany("INSERT INTO tbldoc (CompanyName,Address,Docnumber,DocDate,PaymentTerm,Serial,ProductID,Description,"
               "Qty,Price,Discount,Amount,SaveDate,Notes,Paid,Total,HideTax,SalePerson,HidePaid,NoDisc,GoodsRcvd,"
               "DocType,Delivery,DeliveryName,DeliveryTaxable,PrintBarcode,ShipTo,ShipToCus,ShipToAddress,BillTo) "
               "VALUES (" + ",".join("?" * 30) + ")", rows)
db.commit()
db.execute("VACUUM")
db.close()
PY
    echo "$target"
done
