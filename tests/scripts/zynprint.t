#!/usr/bin/perl
use strict;
use warnings;
use Test::More;
use FindBin qw($Bin);
use File::Temp qw(tempdir);
use POSIX qw(mkfifo);
use lib "$Bin/lib";
use ScriptTest qw(run_script slurp spew);

my $SCRIPT    = "$Bin/../../installation/lib/scripts/zynprint.pl";
my $TEMPLATES = "$Bin/../../installation/targets/xml";
my $DATA      = "$Bin/data";

# Runs the exporter; answers its exit status and its standard error.
sub export {
    my $result = run_script( $SCRIPT, @_ );
    return ( $result->{status}, $result->{err} );
}

sub headings {
    my ($text) = @_;
    return [ $text =~ /\[([A-Z_0-9]+|text file|binary file[^\]]*)\]/g ];
}

my $scratch = tempdir( CLEANUP => 1 );

subtest 'C document: whole tree in order with its content' => sub {
    my ( $status, $err ) = export( "$DATA/target_c.xdp", "$scratch/c.txt" );
    is $status, 0, 'exit status 0';
    is $err, '', 'nothing on standard error';
    my $text = slurp("$scratch/c.txt") // '';
    is_deeply headings($text), [
        qw(IS IS_C IS_CPP BUILD COMPILATION LINK), 'text file', 'binary file, 11 bytes',
        qw(LIBCONF FREE_TEXT_BEFORE_FOR_ZYN COMPILER_SPECIFICS DATA_TYPES EXIT PRIV_INIT
          SYSTEM_TESTING ATEXIT DYNTRACK CLOCK TYPES PARSERCONF WEXOPTS PC_EDG PCOPP PCHPP)
      ],
      'nodes in tree order, the ignored variant left out';
    my @expected = (
        [ 'root name and type',   qr/^Target "Gcc Linux" \(type CCPP, version V2009\)$/m ],
        [ 'root comment',         qr/^  Comment: Port for gcc on Linux\.$/m ],
        [ 'group label indented', qr/^  Basic Settings \[IS\]$/m ],
        [ 'settings indented',    qr/^    C settings \[IS_C\]\n      Comment: C keys\.$/m ],
        [ 'predefined key',       qr/^      ASMEXT = \.s\n        Comment: asm$/m ],
        [ 'user key by name',     qr/^      MY_TOOL = \/opt\/tool$/m ],
        [ 'multi-line value',     qr/^      DEFAULT_CFLAGS =\n        \| -O2\n        \| -g$/m ],
        [ 'build step code',      qr/^        \| sub compile \{\n        \|     my \(\$src\) = \@_;$/m ],
        [ 'text file content',    qr/^        \| exec "\$\@" < \/dev\/null && echo "a & b"$/m ],
        [ 'binary file size',     qr/^    logo\.bin \[binary file, 11 bytes\]$/m ],
        [ 'library variant',      qr/^  Library \[LIBCONF\] \(variant LIBCONFC\)$/m ],
        [ 'text macro',           qr/^        ZYN_INT64 = long long\n          Comment: 64 bits$/m ],
        [ 'binary macro',         qr/^        ZYN_HAS_FLOAT = yes$/m ],
        [ 'optional defined',     qr/^        ZYN_MAXLEN \(defined\) = 256$/m ],
        [ 'optional undefined',   qr/^        ZYN_TRACE \(not defined\) = 9$/m ],
        [ 'choice selection',     qr/^        Exit method: Custom\n            Standard \(tabs disabled\)\n          \* Custom \(tabs enabled\)$/m ],
        [ 'code tab',             qr/^        Tab "Exit code"\n          Code:\n            \| void zyn_exit\(void\) \{$/m ],
        [ 'item tab',             qr/^        Tab "Exit settings"\n          ZYN_EXIT_CODE = 3\n          ZYN_EXIT_FLUSH = no$/m ],
        [ 'choice comment',       qr/^        Comment: how to exit$/m ],
        [ 'parser text',          qr/^    Wex options \[WEXOPTS\]\n      Text:\n        \| -wex-opt$/m ],
    );
    like $text, $_->[1], $_->[0] for @expected;
};

subtest 'Ada document' => sub {
    my ( $status, $err ) = export( "$DATA/target_ada.xdp", "$scratch/a.txt" );
    is $status, 0, 'exit status 0';
    my $text = slurp("$scratch/a.txt") // '';
    like $text, qr/^Target "Gnat" \(type ADA, version V2009\)$/m, 'root';
    like $text, qr/^      GNAT_PROJECT = zyn\.gpr$/m, 'user key';
    like $text, qr/^          \| procedure Priv_Open is$/m, 'Ada function body';
    like $text, qr/^      Zyn_Dir = \/tmp\n      Zyn_Tasking = no$/m, 'Ada macros';
    like $text, qr/^    Standard Ada 95 \[STANDARDA95\]$/m, 'parser element';
};

subtest 'groups placed as the editor places them' => sub {
    my $doc = spew( "$scratch/order.xdp",
        '<ZYN Name="o"><PARSERCONF Label="P"/><BUILD Label="B"/><IS Label="I"/><FOO/></ZYN>' );
    my ($status) = export( $doc, "$scratch/order.txt" );
    is $status, 0, 'exit status 0';
    is_deeply headings( slurp("$scratch/order.txt") ), [qw(IS BUILD PARSERCONF)], 'IS first, unknown left out';
};

subtest 'damaged binary content is reported, not fatal' => sub {
    ( my $doc = slurp("$DATA/target_c.xdp") ) =~ s/AAEC\/v9aWU4NCoA=/A*/;
    my ($status) = export( spew( "$scratch/damaged.xdp", $doc ), "$scratch/damaged.txt" );
    is $status, 0, 'exit status 0';
    like slurp("$scratch/damaged.txt"), qr/logo\.bin \[binary file, damaged content\]/, 'marked damaged';
};

subtest 'text file replaced whole; a link keeps pointing at it' => sub {
    my $out = spew( "$scratch/old.txt", "old content\n" x 1000 );
    symlink $out, "$scratch/link.txt" or die "symlink: $!";
    my ($status) = export( "$DATA/target_ada.xdp", "$scratch/link.txt" );
    is $status, 0, 'exit status 0';
    ok -l "$scratch/link.txt", 'link kept';
    like slurp($out), qr/\AMoravel document "target_ada\.xdp"\n/, 'target rewritten';
    unlike slurp($out), qr/old content/, 'nothing of the old content left';
};

subtest 'bad input: non-zero status and one message line' => sub {
    my $bad = tempdir( CLEANUP => 1 );
    mkfifo( "$bad/fifo", 0600 ) or die "mkfifo: $!";
    my $doc = spew( "$bad/doc.xdp", slurp("$DATA/target_c.xdp") );
    my @rows = (
        [ 'malformed XML',         spew( "$bad/m.xdp", '<ZYN><IS>' ), "$bad/out.txt" ],
        [ 'other root',            spew( "$bad/r.xdp", '<xdp/>' ), "$bad/out.txt" ],
        [ q{entity expansion over the bound}, spew( "$bad/e.xdp", qq{<!DOCTYPE ZYN [<!ENTITY a "} . "a" x 2_000_000 . qq{">]>\n<ZYN>&a;</ZYN>} ), "$bad/out.txt" ],
        [ 'missing document',      "$bad/none.xdp", "$bad/out.txt" ],
        [ 'FIFO as document',      "$bad/fifo", "$bad/out.txt" ],
        [ 'directory as document', $bad, "$bad/out.txt" ],
        [ 'text file a directory', $doc, $bad ],
        [ 'text file a FIFO',      $doc, "$bad/fifo" ],
        [ 'text file dir missing', $doc, "$bad/none/out.txt" ],
        [ 'text file is document', $doc, $doc ],
        [ 'one argument only',     $doc ],
    );
    for my $row (@rows) {
        my ( $why, @args ) = @$row;
        my ( $status, $err ) = export(@args);
        isnt $status, 0, "$why: non-zero status";
        like $err, qr/^(?:zynprint\.pl: |Usage: )[^\n]+\n\z/, "$why: one message line";
    }
    ok !-e "$bad/out.txt", 'no text file written';
    is slurp($doc), slurp("$DATA/target_c.xdp"), 'document unchanged';
};

SKIP: {
    my @templates = glob "$TEMPLATES/template*.xdp";
    skip 'no templates installed', 1 unless @templates;
    subtest 'every template exports' => sub {
        for my $template (@templates) {
            ( my $name = $template ) =~ s{.*/}{};
            my ( $status, $err ) = export( $template, "$scratch/$name.txt" );
            is $status, 0, "$name: exit status 0" or diag $err;
            like slurp("$scratch/$name.txt") // '', qr/^Target "/m, "$name: rendered";
        }
    };
}

done_testing;
