package Zyn::Doc;
use strict;
use warnings;

=head1 NAME

Zyn::Doc - shared reading of .xdp documents for the Moravel scripts

=head1 DESCRIPTION

Loads a document as untrusted input, offers the few element accessors the
scripts need, and walks the document in the order the editor's structure
tree shows it. Failures are reported by dying with a one-line message.

=cut

use Exporter qw(import);
use Fcntl qw(O_RDONLY O_NONBLOCK O_WRONLY O_CREAT O_EXCL);
use File::Basename qw(dirname);
use XML::LibXML;

our @EXPORT_OK = qw(
  load_document child child_elements significant_nodes text_of child_text
  function_child tree_nodes write_atomic same_file quote_name
);

# Build-step and library tags, by the level at which they stand.
my @BUILD_STEPS = qw(ASSEMBLER COMPILATION PREPROCESSING LIBRARY LINK
  EXECUTE EXECUTEDBG ZYNPERLFUNC);
my @SETTINGS = qw(IS_C IS_CPP IS_A IS_A83 IS_JAVA IS_ALL);
my @VARIANTS = qw(LIBCONFC LIBCONFA LIBCONFJAVA);

my %SECTION_KIND = (
    ( map { $_ => 'freetext' }
        qw(FREE_TEXT_BEFORE_FOR_INSTR FREE_TEXT_BEFORE_FOR_ZYN
          FREE_TEXT_BEFORE_FOR_INSTR_AND_GEN FREE_TEXT_AFTER_FOR_ZYN
          FREE_TEXT_WITH_PRIV_IO_ADS FREE_TEXT_ADD_PRIV_IO_ADS) ),
    ( map { $_ => 'section' }
        qw(COMPILER_SPECIFICS APPLICATION_SPECIFICS TESTING_SPECIFICS IO
          HEAP CLOCKING THREADING FUNCTIONS) ),
    ( map { $_ => 'item' }
        qw(RESTRICTIONS TYPES CONSTANTS COMPONENTTESTING) ),
    ( map { $_ => 'choice' } qw(CLOCK THREADS FILTERS) ),
    CUSTOMJAVA  => 'java',
    CUSTOMJVMPI => 'jvmpi',
);

my %GROUP_KIND = (
    ( map { $_ => 'subgroup' } qw(SYSTEM_TESTING OBSERVATIONS COMMENT_PAGE) ),
    ( map { $_ => 'choice' }
        qw(EXIT DATE INIT MEMCPY CLOCK THREADS GENERAL_IO ERROR_IO
          GENERAL_HEAP LOWLEVEL_MEMLIB MEMLIB_EXTENSION CHOICE_PAGE) ),
    ( map { $_ => 'item' }
        qw(PREPROCESSING_SPECIFICS LINKAGE CPP_SPECIFICS DATA_TYPES SPRINTF
          MAIN_RETURN STRING_SUPPORT FLOAT_SUPPORT SETTINGS_IO ITEM_PAGE) ),
    ( map { $_ => 'function' }
        qw(PRIV_INIT PRIV_CLOCK PRIV_OPEN PRIV_WRITELN PRIV_CLOSE FCT_PAGE) ),
    ( map { $_ => 'freetext' }
        qw(FREE_TEXT_WITH_PRIV_IO_ADB FREE_TEXT_TOP_ADD_PRIV_IO_ADB
          FREE_TEXT_ADD_PRIV_IO_ADB) ),
);

my %SUBGROUP_KIND = (
    ( map { $_ => 'choice' }
        qw(MEMCPY GETHOSTNAME ATSMAIN RDV ATEXIT GETENV GETPID SIGNAL LONGJMP
          CHOICE_PAGE) ),
    ( map { $_ => 'item' } qw(DYNTRACK INITSUPPORTED ITEM_PAGE) ),
);

my %JAVA_KIND = (
    JAVA_IMPORTS => 'freetext',
    ( map { $_ => 'choice' }
        qw(JAVA_EARLYINIT JAVA_THREADS JAVA_DATARETRIEVAL JAVA_CLOCK) ),
);

my %JVMPI_KIND = (
    ( map { $_ => 'freetext' }
        qw(FREE_TEXT_BEFORE_FOR_ZYN FREE_TEXT_AFTER_FOR_ZYN BUILD_JVMPI) ),
    ( map { $_ => 'choice' }
        qw(JVMPI_HEAP JVMPI_IO JVMPI_ERROR JVMPI_STRING JVMPI_DATE_IN_MILLISEC
          JVMPI_SOCKET) ),
);

my %PARSER_KIND = (
    PC_WEX => 'pcwex',
    PC_EDG => 'pcedg',
    map { $_ => 'parser' }
      qw(STANDARDA83 STANDARDA95 SYSTEMADA83 SYSTEMADA95 JTESTXML PCOPP),
);

# A file name or other document text shown inside a one-line message.
sub quote_name {
    my ($text) = @_;
    $text = '' unless defined $text;
    $text =~ s/([\x00-\x1f\x7f\\"])/sprintf '\\x%02X', ord $1/ge;
    return qq{"$text"};
}

sub load_document {
    my ($path) = @_;
    die "no document given\n" unless defined $path && $path ne '';
    my $shown = quote_name($path);

    # Non-blocking open, then a check on the open handle: a FIFO or a device,
    # even one swapped in after a check by name, is refused without waiting.
    sysopen( my $fh, $path, O_RDONLY | O_NONBLOCK )
      or die "cannot open document $shown: $!\n";
    die "document $shown is a directory\n"           if -d $fh;
    die "document $shown is not a regular file\n"    unless -f _;
    binmode $fh;

    my $parser = XML::LibXML->new(
        no_network      => 1,
        load_ext_dtd    => 0,
        expand_entities => 0,
        expand_xinclude => 0,
        huge            => 0,
        recover         => 0,
        validation      => 0,
        line_numbers    => 1,
    );
    my $doc = eval { $parser->load_xml( IO => $fh ) };
    close $fh;
    unless ($doc) {
        my $error = ref $@ && $@->can('message') ? $@->message : "$@";
        $error =~ s/\s+/ /g;
        $error =~ s/^ | $//g;
        $error =~ s/ at \S+ line \d+\.$//;
        my $where = ref $@ && $@->can('line') && $@->line ? ' line ' . $@->line : '';
        die "document $shown is not well-formed XML$where: $error\n";
    }
    refuse_entities( $doc, $shown );

    my $root = $doc->documentElement;
    die "document $shown is empty\n" unless $root;
    die "document $shown is not a Moravel document (root element <"
      . $root->nodeName
      . "> instead of <ZYN>)\n"
      unless $root->nodeName eq 'ZYN';
    return $root;
}

# Entities are never expanded, so a declared or undeclared entity would
# silently drop text; documents the editor writes never use any.
sub refuse_entities {
    my ( $doc, $shown ) = @_;
    if ( my $dtd = $doc->internalSubset ) {
        for my $decl ( $dtd->childNodes ) {
            die "document $shown declares entities, which are not accepted\n"
              if $decl->nodeType == XML_ENTITY_DECL;
        }
    }
    my @pending = ( $doc->documentElement // () );
    while ( my $node = pop @pending ) {
        for my $kid ( $node->childNodes ) {
            my $type = $kid->nodeType;
            die "document $shown uses the entity &"
              . $kid->nodeName
              . "; which is not accepted\n"
              if $type == XML_ENTITY_REF_NODE;
            push @pending, $kid if $type == XML_ELEMENT_NODE;
        }
    }
}

sub child_elements {
    my ($element) = @_;
    return grep { $_->nodeType == XML_ELEMENT_NODE } $element->childNodes;
}

sub child {
    my ( $element, $tag ) = @_;
    return unless $element;
    for my $kid ( child_elements($element) ) {
        return $kid if $kid->nodeName eq $tag;
    }
    return;
}

# Children that count for positional rules: blank text between elements
# carries no meaning.
sub significant_nodes {
    my ($element) = @_;
    return grep {
        my $type = $_->nodeType;
        !( ( $type == XML_TEXT_NODE ) && $_->data =~ /^\s*$/ )
    } $element->childNodes;
}

# The element's own text: its text and CDATA children joined, so a text
# split into several CDATA sections comes back whole.
sub text_of {
    my ($element) = @_;
    return '' unless $element;
    return join '', map { $_->data }
      grep { $_->nodeType == XML_TEXT_NODE || $_->nodeType == XML_CDATA_SECTION_NODE }
      $element->childNodes;
}

sub child_text {
    my ( $element, $tag ) = @_;
    return text_of( child( $element, $tag ) );
}

sub function_child {
    my ( $element, @tags ) = @_;
    @tags = qw(VALUEFCTPERL VALUEFCTADA VALUEFCT) unless @tags;
    for my $tag (@tags) {
        my $found = child( $element, $tag );
        return $found if $found;
    }
    return;
}

=head2 tree_nodes(ROOT)

The nodes of the editor's structure tree, in tree order, as hash references
with C<kind>, C<element> and C<depth>. Kinds: root, group, settings, step,
textfile, binfile, section, subgroup, java, jvmpi, freetext, item, choice,
function, pcwex (its element is the edited first child element, or none),
pcedg, parser. A LIBCONF group also carries C<variant>, the one language
variant element whose sections follow it.

=cut

sub tree_nodes {
    my ($root) = @_;
    my @nodes = ( { kind => 'root', element => $root, depth => 0 } );
    for my $group ( top_groups($root) ) {
        my $tag  = $group->nodeName;
        my $node = { kind => 'group', element => $group, depth => 1 };
        push @nodes, $node;
        if ( $tag eq 'IS' ) {
            push @nodes, listed( $group, 2, { map { $_ => 'settings' } @SETTINGS } );
        }
        elsif ( $tag eq 'BUILD' ) {
            my %kinds = ( ( map { $_ => 'step' } @BUILD_STEPS ),
                NEWCMDFILE => 'textfile', NEWBINFILE => 'binfile' );
            push @nodes, listed( $group, 2, \%kinds );
        }
        elsif ( $tag eq 'LIBCONF' ) {
            my ($variant) = grep { defined } map { child( $group, $_ ) } @VARIANTS;
            $node->{variant} = $variant;
            push @nodes, library_nodes( $variant, 2 ) if $variant;
        }
        else {
            push @nodes, parser_nodes( $group, 2 );
        }
    }
    return @nodes;
}

# IS always first; every other group after the last one of its predecessor.
sub top_groups {
    my ($root) = @_;
    my %before = ( IS => '', BUILD => 'IS', LIBCONF => 'BUILD', PARSERCONF => 'LIBCONF' );
    my ( @order, %last );
    for my $group ( child_elements($root) ) {
        my $tag = $group->nodeName;
        next unless exists $before{$tag};
        my $at = 0;
        if ( my $previous = $last{ $before{$tag} } ) {
            ($at) = grep { $order[$_]->isSameNode($previous) } 0 .. $#order;
            $at++;
        }
        splice @order, $at, 0, $group;
        $last{$tag} = $group;
    }
    return @order;
}

sub listed {
    my ( $element, $depth, $kinds ) = @_;
    return map { { kind => $kinds->{ $_->nodeName }, element => $_, depth => $depth } }
      grep { exists $kinds->{ $_->nodeName } } child_elements($element);
}

sub library_nodes {
    my ( $element, $depth ) = @_;
    my %children_of = (
        section  => \%GROUP_KIND,
        subgroup => \%SUBGROUP_KIND,
        java     => \%JAVA_KIND,
        jvmpi    => \%JVMPI_KIND,
    );
    my @nodes;
    my @pending = listed( $element, $depth, \%SECTION_KIND );
    while ( my $node = shift @pending ) {
        push @nodes, $node;
        my $kinds = $children_of{ $node->{kind} } or next;
        unshift @pending, listed( $node->{element}, $node->{depth} + 1, $kinds );
    }
    return @nodes;
}

sub parser_nodes {
    my ( $group, $depth ) = @_;
    my $container = ( significant_nodes($group) )[1];
    return unless $container && $container->nodeType == XML_ELEMENT_NODE;
    my @nodes;
    for my $node ( listed( $container, $depth, \%PARSER_KIND ) ) {
        if ( $node->{kind} eq 'pcwex' ) {
            my $first = ( significant_nodes( $node->{element} ) )[0];
            $node->{element} =
              $first && $first->nodeType == XML_ELEMENT_NODE ? $first : undef;
            push @nodes, $node;
        }
        elsif ( $node->{kind} eq 'pcedg' ) {
            push @nodes, $node,
              listed( $node->{element}, $depth + 1, { PCOPP => 'parser', PCHPP => 'parser' } );
        }
        else {
            push @nodes, $node;
        }
    }
    return @nodes;
}

sub same_file {
    my ( $a, $b ) = @_;
    my @a = stat $a or return 0;
    my @b = stat $b or return 0;
    return $a[0] == $b[0] && $a[1] == $b[1];
}

=head2 write_atomic(PATH, BYTES)

Writes BYTES to a temporary file beside PATH and renames it into place, so
PATH holds either its old content or the whole new one. A symbolic link at
PATH is replaced, never followed.

=cut

sub write_atomic {
    my ( $path, $bytes ) = @_;
    my $shown = quote_name($path);
    my $dir   = dirname($path);
    my ( $out, $temp );
    for ( 1 .. 20 ) {
        $temp = sprintf '%s/.zyn.%d.%06d.tmp', $dir, $$, int rand 1_000_000;
        last if sysopen( $out, $temp, O_WRONLY | O_CREAT | O_EXCL, 0600 );
        die "cannot write $shown: $!\n" unless $!{EEXIST};
        undef $out;
    }
    die "cannot write $shown: no free temporary name\n" unless $out;
    binmode $out;
    unless ( ( print {$out} $bytes ) && close $out ) {
        my $error = $!;
        unlink $temp;
        die "cannot write $shown: $error\n";
    }
    chmod 0666 & ~umask, $temp;
    unless ( rename $temp, $path ) {
        my $error = $!;
        unlink $temp;
        die "cannot write $shown: $error\n";
    }
}

1;
